#include "PulseOutput.h"

#include <pulse/pulseaudio.h>

#include <cstdint>

namespace {

constexpr std::chrono::seconds kRetry(2);  // a server that is not there is not asked again sooner

std::string samplename(const std::string& name) {
    return "tarvelo-" + name;
}

// Holds the library's lock, unless this is its own thread, where it is held already.
class Locked {
public:
    explicit Locked(pa_threaded_mainloop* loop)
        : loop_(pa_threaded_mainloop_in_thread(loop) ? nullptr : loop) {
        if (loop_ != nullptr) {
            pa_threaded_mainloop_lock(loop_);
        }
    }
    ~Locked() {
        if (loop_ != nullptr) {
            pa_threaded_mainloop_unlock(loop_);
        }
    }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

void done(pa_operation* operation) {
    if (operation != nullptr) {
        pa_operation_unref(operation);
    }
}

}  // namespace

PulseOutput::PulseOutput(std::map<std::string, Wave, std::less<>> waves)
    : waves_(std::move(waves)) {
    loop_ = pa_threaded_mainloop_new();
    if (loop_ == nullptr) {
        return;
    }
    if (pa_threaded_mainloop_start(loop_) < 0) {
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
        return;
    }
    Locked locked(loop_);
    connect();
}

PulseOutput::~PulseOutput() {
    if (loop_ == nullptr) {
        return;
    }
    {
        Locked locked(loop_);
        if (context_ != nullptr) {
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

// Never starts a server of its own.
void PulseOutput::connect() {
    lasttry_ = std::chrono::steady_clock::now();
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Tarvelo");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "org.example.tarvelo");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "tarvelo");
    context_ =
        pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), "Tarvelo", properties);
    pa_proplist_free(properties);
    if (context_ == nullptr) {
        return;
    }
    pa_context_set_state_callback(
        context_,
        [](pa_context* context, void* self) {
            auto* output = static_cast<PulseOutput*>(self);
            if (pa_context_get_state(context) == PA_CONTEXT_READY) {
                for (const auto& [name, wave] : output->waves_) {
                    output->upload(name);
                }
            }
        },
        this);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        pa_context_unref(context_);
        context_ = nullptr;
    }
}

// The server keeps the samples by name, so another copy of the game finds them there too;
// uploading again replaces them.
void PulseOutput::upload(const std::string& name) {
    const Wave& wave = waves_.find(name)->second;
    const pa_sample_spec format{PA_SAMPLE_S16LE, static_cast<std::uint32_t>(wave.rate),
                                static_cast<std::uint8_t>(wave.channels)};
    pa_stream* stream = pa_stream_new(context_, samplename(name).c_str(), &format, nullptr);
    if (stream == nullptr) {
        return;
    }
    struct Upload {
        PulseOutput* output;
        std::string name;
    };
    pa_stream_set_state_callback(
        stream,
        [](pa_stream* s, void* data) {
            auto* upload = static_cast<Upload*>(data);
            PulseOutput* output = upload->output;
            switch (pa_stream_get_state(s)) {
                case PA_STREAM_READY: {
                    const QByteArray& samples = output->waves_.find(upload->name)->second.samples;
                    pa_stream_write(s, samples.constData(), static_cast<size_t>(samples.size()),
                                    nullptr, 0, PA_SEEK_RELATIVE);
                    pa_stream_finish_upload(s);
                    return;
                }
                case PA_STREAM_TERMINATED:
                    output->uploaded_.insert(upload->name);
                    if (const auto w = output->waiting_.find(upload->name);
                        w != output->waiting_.end()) {
                        if (w->second == output->last_) {
                            output->request(upload->name, w->second);
                        }
                        output->waiting_.erase(w);
                    }
                    break;
                case PA_STREAM_FAILED:
                    break;
                default:
                    return;
            }
            pa_stream_set_state_callback(s, nullptr, nullptr);
            pa_stream_unref(s);
            delete upload;
        },
        new Upload{this, name});
    pa_stream_connect_upload(stream, static_cast<size_t>(wave.samples.size()));
}

unsigned PulseOutput::play(const std::string& name) {
    if (loop_ == nullptr) {
        return 0;
    }
    Locked locked(loop_);
    const unsigned sound = ++last_;
    lastsettled_ = true;
    if (context_ == nullptr || !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_))) {
        // The server went away, or was never there: ask again now and then, quietly.
        if (context_ != nullptr) {
            pa_context_unref(context_);
            context_ = nullptr;
        }
        uploaded_.clear();
        inputs_.clear();
        stopping_.clear();
        if (std::chrono::steady_clock::now() - lasttry_ >= kRetry) {
            connect();
        }
    }
    if (context_ != nullptr && waves_.contains(name)) {
        if (uploaded_.contains(name)) {
            request(name, sound);
        } else {
            waiting_[name] = sound;  // played as soon as it is there, unless another came first
        }
    }
    settle();
    return sound;
}

void PulseOutput::request(const std::string& name, unsigned sound) {
    lastsettled_ = false;
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    pa_proplist_sets(properties, PA_PROP_MEDIA_NAME, name.c_str());
    struct Started {
        PulseOutput* output;
        unsigned sound;
    };
    done(pa_context_play_sample_with_proplist(
        context_, samplename(name).c_str(), nullptr, PA_VOLUME_NORM, properties,
        [](pa_context*, std::uint32_t input, void* data) {
            auto* started = static_cast<Started*>(data);
            started->output->started(started->sound, input);
            delete started;
        },
        new Started{this, sound}));
    pa_proplist_free(properties);
}

// In the library's thread: the server has started a sound, or could not.
void PulseOutput::started(unsigned sound, unsigned input) {
    if (input != PA_INVALID_INDEX) {
        inputs_[sound] = input;
    }
    if (sound == last_) {
        lastsettled_ = true;
    }
    settle();
}

void PulseOutput::stop(unsigned sound) {
    if (loop_ == nullptr) {
        return;
    }
    Locked locked(loop_);
    stopping_.insert(sound);
    settle();
}

// Ends the sounds that are to stop, once the last one asked for has begun.
void PulseOutput::settle() {
    if (!lastsettled_ || context_ == nullptr) {
        return;
    }
    for (auto s = stopping_.begin(); s != stopping_.end();) {
        const auto input = inputs_.find(*s);
        if (input != inputs_.end()) {
            done(pa_context_kill_sink_input(context_, input->second, nullptr, nullptr));
            inputs_.erase(input);
        } else if (*s != last_ && *s + 8 > last_) {
            ++s;  // may yet start; it is ended then
            continue;
        }
        s = stopping_.erase(s);
    }
}
