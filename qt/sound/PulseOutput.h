#pragma once

#include <chrono>
#include <list>
#include <map>
#include <set>
#include <string>

#include "SoundOutput.h"
#include "Wave.h"

struct pa_context;
struct pa_stream;
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
    // A sound asked of the server, until the server says it has started it or could not.
    struct Request {
        PulseOutput* output;
        unsigned sound;
    };

    void connect();
    void disconnect();
    void upload(const std::string& name);
    void uploadchanged(pa_stream* stream);
    void request(const std::string& name, unsigned sound);
    void started(const Request* request, unsigned input);
    bool starting(unsigned sound) const;
    void settle();

    std::map<std::string, Wave, std::less<>> waves_;
    pa_threaded_mainloop* loop_ = nullptr;
    // The rest is shared with the client library's thread, under its lock, and belongs to the
    // connection: disconnect() forgets it, and the library calls back nothing of it after that.
    pa_context* context_ = nullptr;
    std::chrono::steady_clock::time_point lasttry_;
    std::map<pa_stream*, std::string> uploading_;
    std::set<std::string, std::less<>> uploaded_;
    std::map<std::string, unsigned, std::less<>> waiting_;  // asked for before their upload
    std::list<Request> requests_;                           // asked of the server, not yet answered
    unsigned last_ = 0;                    // the number of the sound asked for last
    std::map<unsigned, unsigned> inputs_;  // sounds the server plays, by their server stream
    std::set<unsigned> stopping_;
};
