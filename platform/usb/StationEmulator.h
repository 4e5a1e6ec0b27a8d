// StationEmulator: a weather station in software, answering the station's frames from a memory image.
// Behaviour, faults and the frame log are described in USB.h.
#pragma once

#include "platform/usb/DemoStation.h"
#include "platform/usb/StationImage.h"
#include "platform/usb/UsbBackend.h"

#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class StationEmulator : public UsbBackend {
public:
    // source is the value of USB_EMULATOR: "demo" or the path of an image file. Returns null when the
    // image file cannot be read (no device then).
    static std::unique_ptr<StationEmulator> Create(const std::wstring& source);
    ~StationEmulator() override;

    bool Present() override;
    int Write(const unsigned char* data, int length) override;
    int Read(unsigned char* buffer, int count) override;
    int Waiting() override;
    int Control(const std::string& command) override;

    // Starts a new frame log at path (empty: stop logging).
    void StartLog(const std::wstring& path);
    // Applies control commands separated by ';' or line ends, in their order.
    void ApplyCommands(const std::string& commands);
    // Takes control commands from the file at path while the device is in use (see USB.h).
    void WatchControlFile(const std::wstring& path);

private:
    StationEmulator() = default;

    struct Chunk {
        std::vector<unsigned char> bytes;
        unsigned long long availableAt = 0;   // GetTickCount64 value
    };
    // A fault or delay that applies to the next `remaining` frames; -1 = every frame, 0 = off.
    struct Armed {
        int remaining = 0;
        bool Take() {
            if (remaining == 0) return false;
            if (remaining > 0) --remaining;
            return true;
        }
    };

    stationimage::Image& Memory();
    void AdvanceClock();
    double NowMinutes() const;
    bool AnswerPendingLocked() const;
    void PauseForTheDevice();
    void AnswerRead(uint32_t address);
    void AnswerWrite(uint32_t address, const unsigned char* data);
    void Queue(std::vector<unsigned char> bytes);
    void LogFrame(const unsigned char* data, int length);
    void CheckUnplug();
    void ApplyDeferredLocked();
    int ControlLocked(const std::string& command);
    void ApplyCommandsLocked(const std::string& commands);
    void PollControlFile();

    std::mutex mutex_;
    std::unique_ptr<stationimage::DemoStation> demo_;   // demo mode
    stationimage::Image image_;                         // file mode
    stationimage::LiveBlocks live_;
    bool fileHasLive_ = false;
    std::wstring path_;

    double clockOffsetMinutes_ = 0;
    std::deque<Chunk> answers_;
    Armed noReply_, wrongMarker_, shortReply_, badChecksum_, slow_;
    bool unanswered_ = false;   // the last request frame was left without an answer
    unsigned slowMs_ = 0;
    int unplugAfter_ = -1;       // frames still to receive before the device goes; -1 none
    struct Deferred {
        int frames;              // frames still to receive before the command applies
        std::string command;
    };
    std::vector<Deferred> deferred_;
    bool unplugged_ = false;
    int frames_ = 0;
    FILE* log_ = nullptr;
    std::wstring controlPath_;
    unsigned long long controlCheckedAt_ = 0;   // GetTickCount64 of the last look at the control file
};
