// The station object's getters: decoded texts in narrow characters, in the shared text buffer.
#include "station/DataDecode.h"
#include "station/DecodeText.h"
#include "station/SystemKV318.h"

const char* CSystemKV318::ToTextBuffer(const std::wstring& text)
{
    const std::string narrow = NarrowText(text);
    const size_t length = narrow.size() < STATION_TEXT_BUFFER_SIZE - 1 ? narrow.size() : STATION_TEXT_BUFFER_SIZE - 1;
    narrow.copy(m_textBuffer, length);
    m_textBuffer[length] = '\0';
    return m_textBuffer;
}

const char* CSystemKV318::GetIndoorTempAStr() { return ToTextBuffer(g_dataDecode.GetIndoorTempAText()); }
const char* CSystemKV318::GetIndoorTempBStr() { return ToTextBuffer(g_dataDecode.GetIndoorTempBText()); }
const char* CSystemKV318::GetIndoorHumidityAStr() { return ToTextBuffer(g_dataDecode.GetIndoorHumidityAText()); }
const char* CSystemKV318::GetIndoorHumidityBStr() { return ToTextBuffer(g_dataDecode.GetIndoorHumidityBText()); }
const char* CSystemKV318::GetBcdValueStr(int type) { return ToTextBuffer(g_dataDecode.GetBcdValueText(type)); }
const char* CSystemKV318::GetValue174Str() { return ToTextBuffer(g_dataDecode.GetValue174Text()); }
const char* CSystemKV318::GetValue176Str() { return ToTextBuffer(g_dataDecode.GetValue176Text()); }
const char* CSystemKV318::GetValue178Str() { return ToTextBuffer(g_dataDecode.GetValue178Text()); }
const char* CSystemKV318::GetLatestRecordLineStr() { return ToTextBuffer(g_dataDecode.GetLatestRecordLine()); }
