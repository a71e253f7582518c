#include "PulseOutput.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
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
        disconnect();
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
        disconnect();
    }
}

// Leaves the server, and whatever was under way with it.
void PulseOutput::disconnect() {
    for (const auto& [stream, name] : uploading_) {
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_unref(stream);
    }
    if (context_ != nullptr) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        // Cancels every operation under way; their callbacks are not called.
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
    uploading_.clear();
    uploaded_.clear();
    waiting_.clear();
    requests_.clear();
    inputs_.clear();
    stopping_.clear();
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
    uploading_[stream] = name;
    pa_stream_set_state_callback(
        stream, [](pa_stream* s, void* self) { static_cast<PulseOutput*>(self)->uploadchanged(s); },
        this);
    pa_stream_connect_upload(stream, static_cast<size_t>(wave.samples.size()));
}

// In the library's thread: an upload is ready for the samples, done, or failed.
void PulseOutput::uploadchanged(pa_stream* stream) {
    const auto upload = uploading_.find(stream);
    if (upload == uploading_.end()) {
        return;
    }
    const std::string name = upload->second;
    switch (pa_stream_get_state(stream)) {
        case PA_STREAM_READY: {
            const QByteArray& samples = waves_.find(name)->second.samples;
            pa_stream_write(stream, samples.constData(), static_cast<size_t>(samples.size()),
                            nullptr, 0, PA_SEEK_RELATIVE);
            pa_stream_finish_upload(stream);
            return;
        }
        case PA_STREAM_TERMINATED:  // the server has the sample
            uploaded_.insert(name);
            if (const auto w = waiting_.find(name); w != waiting_.end()) {
                if (w->second == last_) {
                    request(name, w->second);  // unless another sound was asked for since
                }
                waiting_.erase(w);
            }
            break;
        case PA_STREAM_FAILED:
            waiting_.erase(name);
            break;
        default:
            return;
    }
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_unref(stream);
    uploading_.erase(upload);
    settle();
}

unsigned PulseOutput::play(const std::string& name) {
    if (loop_ == nullptr) {
        return 0;
    }
    Locked locked(loop_);
    const unsigned sound = ++last_;
    if (context_ != nullptr && !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_))) {
        disconnect();  // the server went away
    }
    if (context_ == nullptr && std::chrono::steady_clock::now() - lasttry_ >= kRetry) {
        connect();  // or was never there: ask again now and then, quietly
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
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    pa_proplist_sets(properties, PA_PROP_MEDIA_NAME, name.c_str());
    Request& asked = requests_.emplace_back(Request{this, sound});
    pa_operation* operation = pa_context_play_sample_with_proplist(
        context_, samplename(name).c_str(), nullptr, PA_VOLUME_NORM, properties,
        [](pa_context*, std::uint32_t input, void* data) {
            const auto* asked = static_cast<const Request*>(data);
            asked->output->started(asked, input);
        },
        &asked);
    pa_proplist_free(properties);
    if (operation == nullptr) {
        requests_.pop_back();  // never sent, never answered
    }
    done(operation);
}

// In the library's thread: the server has started a sound, or could not.
void PulseOutput::started(const Request* asked, unsigned input) {
    if (input != PA_INVALID_INDEX) {
        inputs_[asked->sound] = input;
    }
    requests_.remove_if([asked](const Request& r) { return &r == asked; });
    settle();
}

bool PulseOutput::starting(unsigned sound) const {
    return std::any_of(requests_.begin(), requests_.end(),
                       [sound](const Request& r) { return r.sound == sound; });
}

void PulseOutput::stop(unsigned sound) {
    if (loop_ == nullptr) {
        return;
    }
    Locked locked(loop_);
    stopping_.insert(sound);
    settle();
}

// Ends the sounds that are to stop once the last one asked for has begun, so that the two meet
// without a gap, or at once when it will not begin.
void PulseOutput::settle() {
    if (context_ == nullptr || starting(last_)) {
        return;
    }
    for (auto s = stopping_.begin(); s != stopping_.end();) {
        if (const auto input = inputs_.find(*s); input != inputs_.end()) {
            done(pa_context_kill_sink_input(context_, input->second, nullptr, nullptr));
            inputs_.erase(input);
        } else if (starting(*s)) {
            ++s;  // asked of the server and not yet answered: ended when it starts
            continue;
        }
        s = stopping_.erase(s);
    }
}
