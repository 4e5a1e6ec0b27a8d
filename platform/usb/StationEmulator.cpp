// The station emulator behind USB.dll; see USB.h for what it does.
#include "platform/usb/StationEmulator.h"

#include <windows.h>

#include <cmath>
#include <cstdlib>
#include <sstream>

using namespace stationimage;

namespace {

constexpr unsigned char READ_COMMAND = 0xAF;
constexpr unsigned char WRITE_COMMAND = 0xAE;
constexpr unsigned char REPLY_MARKER = 0x5A;
constexpr unsigned char WRONG_MARKER = 0x5B;
constexpr unsigned char WRITE_ACK = 0xA5;
constexpr int READ_FRAME_BYTES = 5;
constexpr int WRITE_FRAME_BYTES = 37;
constexpr int SHORT_REPLY_DATA_BYTES = 20;
constexpr double MAX_ADVANCE_MINUTES = 366.0 * 1440.0;   // one step of the clock seam
constexpr unsigned long long CONTROL_FILE_CHECK_MS = 100;  // how often the control file is looked for

bool XorMatches(const unsigned char* data, int length) {
    unsigned char x = 0;
    for (int i = 0; i < length - 1; ++i) x ^= data[i];
    return x == data[length - 1];
}

uint32_t AddressOf(const unsigned char* frame) {
    return static_cast<uint32_t>(frame[1]) | static_cast<uint32_t>(frame[2]) << 8 | static_cast<uint32_t>(frame[3]) << 16;
}

StationTime PcLocalTime(double* seconds) {
    SYSTEMTIME st;
    GetLocalTime(&st);
    StationTime t{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, 0};
    if (seconds) *seconds = st.wSecond + st.wMilliseconds / 1000.0;
    return t;
}

}  // namespace

std::unique_ptr<StationEmulator> StationEmulator::Create(const std::wstring& source) {
    std::unique_ptr<StationEmulator> e(new StationEmulator());
    if (source == L"demo") {
        e->demo_.reset(new DemoStation(PcLocalTime(nullptr)));
        e->AdvanceClock();
    } else {
        if (!ReadImageFile(source, e->image_, e->live_, &e->fileHasLive_)) return nullptr;
        e->path_ = source;
    }
    return e;
}

StationEmulator::~StationEmulator() {
    if (log_) fclose(log_);
}

void StationEmulator::StartLog(const std::wstring& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (log_) fclose(log_);
    log_ = path.empty() ? nullptr : _wfopen(path.c_str(), L"w");
}

void StationEmulator::WatchControlFile(const std::wstring& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    controlPath_ = path;
}

void StationEmulator::ApplyCommands(const std::string& commands) {
    std::lock_guard<std::mutex> lock(mutex_);
    ApplyCommandsLocked(commands);
}

void StationEmulator::ApplyCommandsLocked(const std::string& commands) {
    size_t start = 0;
    while (start < commands.size()) {
        size_t end = commands.find_first_of(";\r\n", start);
        if (end == std::string::npos) end = commands.size();
        const std::string command = commands.substr(start, end - start);
        if (!command.empty()) ControlLocked(command);
        start = end + 1;
    }
}

// Commands that a test dropped into the control file: read, removed, then applied in their order.
void StationEmulator::PollControlFile() {
    if (controlPath_.empty()) return;
    const unsigned long long now = GetTickCount64();
    if (now - controlCheckedAt_ < CONTROL_FILE_CHECK_MS) return;
    controlCheckedAt_ = now;
    FILE* f = _wfopen(controlPath_.c_str(), L"rb");
    if (!f) return;
    std::string commands;
    char buffer[512];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) commands.append(buffer, n);
    fclose(f);
    _wremove(controlPath_.c_str());
    ApplyCommandsLocked(commands);
}

Image& StationEmulator::Memory() { return demo_ ? demo_->GetImage() : image_; }

double StationEmulator::NowMinutes() const {
    double seconds = 0;
    const StationTime t = PcLocalTime(&seconds);
    return static_cast<double>(ToMinutes(t)) + seconds / 60.0 + clockOffsetMinutes_;
}

void StationEmulator::AdvanceClock() {
    if (demo_) demo_->AdvanceTo(NowMinutes());
}

void StationEmulator::CheckUnplug() {
    if (unplugAfter_ == 0 && answers_.empty()) {
        unplugged_ = true;
        unplugAfter_ = -1;
    }
}

bool StationEmulator::Present() {
    std::lock_guard<std::mutex> lock(mutex_);
    PollControlFile();
    CheckUnplug();
    return !unplugged_;
}

void StationEmulator::Queue(std::vector<unsigned char> bytes) {
    Chunk c;
    c.bytes = std::move(bytes);
    c.availableAt = GetTickCount64() + (slow_.Take() ? slowMs_ : 0);
    answers_.push_back(std::move(c));
}

void StationEmulator::LogFrame(const unsigned char* data, int length) {
    if (!log_) return;
    for (int i = 0; i < length; ++i) fprintf(log_, i ? " %02X" : "%02X", data[i]);
    fputc('\n', log_);
    fflush(log_);
}

void StationEmulator::AnswerRead(uint32_t address) {
    std::vector<unsigned char> reply(34);
    unsigned char* d = reply.data() + 1;
    if (address < IMAGE_BYTES) {
        AdvanceClock();
        const Image& memory = Memory();
        for (uint32_t i = 0; i < 32; ++i) d[i] = memory[(address + i) % IMAGE_BYTES];
    } else if (address == LIVE_STAMP_ADDRESS || address == LIVE_READINGS_ADDRESS) {
        AdvanceClock();
        Block b;
        if (demo_) b = address == LIVE_STAMP_ADDRESS ? demo_->LiveStamp() : demo_->LiveReadings();
        else b = address == LIVE_STAMP_ADDRESS ? live_.stamp : live_.readings;
        std::copy(b.begin(), b.end(), d);
    }
    unsigned char sum = REPLY_MARKER;
    for (int i = 0; i < 32; ++i) sum ^= d[i];
    reply[0] = wrongMarker_.Take() ? WRONG_MARKER : REPLY_MARKER;
    reply[33] = sum;
    if (badChecksum_.Take()) reply[33] ^= 0x01;
    if (shortReply_.Take()) reply.resize(1 + SHORT_REPLY_DATA_BYTES);
    Queue(std::move(reply));
}

void StationEmulator::AnswerWrite(uint32_t address, const unsigned char* data) {
    if (ApplySettingsWrite(Memory(), address, data) && !demo_) WriteImageFile(path_, image_, fileHasLive_ ? &live_ : nullptr);
    Queue({WRITE_ACK});
}

// Commands given with "after <n>" whose n frames have come apply before the next frame.
void StationEmulator::ApplyDeferredLocked() {
    std::vector<Deferred> due;
    for (auto it = deferred_.begin(); it != deferred_.end();) {
        if (it->frames <= 0) {
            due.push_back(*it);
            it = deferred_.erase(it);
        } else {
            ++it;
        }
    }
    for (const Deferred& d : due) ControlLocked(d.command);
}

int StationEmulator::Write(const unsigned char* data, int length) {
    std::lock_guard<std::mutex> lock(mutex_);
    PollControlFile();
    CheckUnplug();
    if (unplugged_ || !data || length <= 0) return 0;
    ApplyDeferredLocked();
    for (Deferred& d : deferred_) --d.frames;
    ++frames_;
    LogFrame(data, length);
    if (unplugAfter_ > 0) --unplugAfter_;
    const bool isRead = length == READ_FRAME_BYTES && data[0] == READ_COMMAND && XorMatches(data, length);
    const bool isWrite = length == WRITE_FRAME_BYTES && data[0] == WRITE_COMMAND && XorMatches(data, length);
    if (!isRead && !isWrite) return length;   // the station ignores what it does not understand
    unanswered_ = noReply_.Take();
    if (unanswered_) return length;
    if (isRead) AnswerRead(AddressOf(data));
    else AnswerWrite(AddressOf(data), data + 4);
    return length;
}

int StationEmulator::Read(unsigned char* buffer, int count) {
    int taken = 0;
    bool answerOnItsWay = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        CheckUnplug();
        if (unplugged_) return -1;
        if (!buffer || count <= 0) return 0;
        const unsigned long long now = GetTickCount64();
        while (taken < count && !answers_.empty() && answers_.front().availableAt <= now) {
            Chunk& c = answers_.front();
            const int n = std::min<int>(count - taken, static_cast<int>(c.bytes.size()));
            std::copy(c.bytes.begin(), c.bytes.begin() + n, buffer + taken);
            c.bytes.erase(c.bytes.begin(), c.bytes.begin() + n);
            taken += n;
            if (c.bytes.empty()) answers_.pop_front();
        }
        CheckUnplug();
        answerOnItsWay = taken == 0 && AnswerPendingLocked();
    }
    if (answerOnItsWay) PauseForTheDevice();
    return taken;
}

int StationEmulator::Waiting() {
    int waiting = 0;
    bool answerOnItsWay = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        CheckUnplug();
        if (unplugged_) return -1;
        const unsigned long long now = GetTickCount64();
        for (const Chunk& c : answers_) {
            if (c.availableAt > now) break;
            waiting += static_cast<int>(c.bytes.size());
        }
        answerOnItsWay = waiting == 0 && AnswerPendingLocked();
    }
    if (answerOnItsWay) PauseForTheDevice();
    return waiting;
}

// A slow answer is on its way, or the last request went unanswered (under the lock).
bool StationEmulator::AnswerPendingLocked() const { return !answers_.empty() || unanswered_; }

// A slow answer is not there yet, or the last request goes unanswered: the call takes the time of
// one poll of a device's interrupt pipe, as a real one does, instead of coming back at once to a
// caller that asks again at once.
void StationEmulator::PauseForTheDevice() { Sleep(1); }

int StationEmulator::Control(const std::string& command) {
    std::lock_guard<std::mutex> lock(mutex_);
    return ControlLocked(command);
}

int StationEmulator::ControlLocked(const std::string& command) {
    std::istringstream in(command);
    std::string verb, arg;
    in >> verb;
    auto count = [&](int fallback) {
        long n = fallback;
        std::string text;
        if (in >> text) {
            char* end = nullptr;
            n = std::strtol(text.c_str(), &end, 10);
            if (!end || *end != '\0' || n < 0) return -2;
        }
        return static_cast<int>(n);
    };
    if (verb == "fault") {
        in >> arg;
        if (arg == "none") {
            noReply_ = wrongMarker_ = shortReply_ = badChecksum_ = Armed{};
            return 0;
        }
        Armed* target = arg == "no-reply" ? &noReply_ : arg == "wrong-marker" ? &wrongMarker_
                      : arg == "short-reply" ? &shortReply_ : arg == "bad-checksum" ? &badChecksum_ : nullptr;
        const int n = count(-1);
        if (!target || n == -2) return -1;
        target->remaining = n;
        return 0;
    }
    if (verb == "slow") {
        const int ms = count(-2);
        if (ms < 0) return -1;
        const int n = count(-1);
        if (n == -2) return -1;
        slowMs_ = static_cast<unsigned>(ms);
        slow_.remaining = n;
        return 0;
    }
    if (verb == "unplug-after") {
        const int n = count(-2);
        if (n < 0) return -1;
        unplugAfter_ = n;
        CheckUnplug();
        return 0;
    }
    if (verb == "after") {
        const int n = count(-2);
        std::string rest;
        std::getline(in >> std::ws, rest);
        if (n < 0 || rest.empty()) return -1;
        deferred_.push_back(Deferred{n, rest});
        return 0;
    }
    if (verb == "unplug") { unplugged_ = true; return 0; }
    if (verb == "plug") { unplugged_ = false; unplugAfter_ = -1; return 0; }
    if (verb == "reset") {
        noReply_ = wrongMarker_ = shortReply_ = badChecksum_ = slow_ = Armed{};
        slowMs_ = 0;
        unplugAfter_ = -1;
        deferred_.clear();
        unplugged_ = false;
        return 0;
    }
    if (verb == "advance") {
        std::string text;
        if (!(in >> text)) return -1;
        char* end = nullptr;
        const double minutes = std::strtod(text.c_str(), &end);
        if (!end || *end != '\0' || !(minutes >= 0 && minutes <= MAX_ADVANCE_MINUTES) || !demo_) return -1;
        clockOffsetMinutes_ += minutes;
        return demo_->AdvanceTo(NowMinutes());
    }
    if (verb == "history-index") return HistoryIndexOf(Memory());
    if (verb == "frames") return frames_;
    if (verb == "log") {
        std::string path;
        std::getline(in >> std::ws, path);
        if (log_) fclose(log_);
        log_ = nullptr;
        if (path.empty()) return 0;
        const int n = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, nullptr, 0);
        std::wstring wide(n > 0 ? n - 1 : 0, L'\0');
        if (n > 0) MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, &wide[0], n);
        log_ = _wfopen(wide.c_str(), L"w");
        return log_ ? 0 : -1;
    }
    return -1;
}
