#pragma once

#include <chrono>
#include <map>
#include <set>
#include <string>

#include "SoundOutput.h"
#include "Wave.h"

struct pa_context;
struct pa_threaded_mainloop;

// The sound server's own sample cache, through PulseAudio's client library (PipeWire serves
// the same protocol): the waves are uploaded once, and each sound is played by the server, so
// it is heard whole whatever the game's thread is doing, and nothing runs while nothing plays.
// Without a server it is silent.
class PulseOutput : public SoundOutput {
public:
    explicit PulseOutput(std::map<std::string, Wave, std::less<>> waves);
    ~PulseOutput() override;
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    unsigned play(const std::string& name) override;
    void stop(unsigned sound) override;

private:
    void connect();
    void upload(const std::string& name);
    void request(const std::string& name, unsigned sound);
    void started(unsigned sound, unsigned input);
    void settle();

    std::map<std::string, Wave, std::less<>> waves_;
    pa_threaded_mainloop* loop_ = nullptr;
    // The rest is shared with the client library's thread, under its lock.
    pa_context* context_ = nullptr;
    std::chrono::steady_clock::time_point lasttry_;
    std::set<std::string, std::less<>> uploaded_;
    std::map<std::string, unsigned, std::less<>> waiting_;  // asked for before their upload
    unsigned last_ = 0;                    // the number of the sound asked for last
    bool lastsettled_ = true;              // it has started, or will not
    std::map<unsigned, unsigned> inputs_;  // sounds the server plays, by their server stream
    std::set<unsigned> stopping_;
};
