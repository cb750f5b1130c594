#include "PulseOutput.h"

#include <QLibrary>

#include <cstdint>
#include <optional>
#include <pulse/pulseaudio.h>
#include <utility>

namespace {
template <typename Function> bool resolve(QLibrary& library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

// The client library's functions this output calls, looked up by name once it
// is loaded.
struct PulseLibrary {
    decltype(&pa_threaded_mainloop_new) mainloopNew = nullptr;
    decltype(&pa_threaded_mainloop_free) mainloopFree = nullptr;
    decltype(&pa_threaded_mainloop_start) mainloopStart = nullptr;
    decltype(&pa_threaded_mainloop_stop) mainloopStop = nullptr;
    decltype(&pa_threaded_mainloop_lock) mainloopLock = nullptr;
    decltype(&pa_threaded_mainloop_unlock) mainloopUnlock = nullptr;
    decltype(&pa_threaded_mainloop_get_api) mainloopApi = nullptr;
    decltype(&pa_context_new) contextNew = nullptr;
    decltype(&pa_context_unref) contextUnref = nullptr;
    decltype(&pa_context_connect) contextConnect = nullptr;
    decltype(&pa_context_disconnect) contextDisconnect = nullptr;
    decltype(&pa_context_get_state) contextState = nullptr;
    decltype(&pa_context_set_state_callback) contextSetStateCallback = nullptr;
    decltype(&pa_stream_new) streamNew = nullptr;
    decltype(&pa_stream_unref) streamUnref = nullptr;
    decltype(&pa_stream_connect_playback) streamConnectPlayback = nullptr;
    decltype(&pa_stream_disconnect) streamDisconnect = nullptr;
    decltype(&pa_stream_get_state) streamState = nullptr;
    decltype(&pa_stream_set_state_callback) streamSetStateCallback = nullptr;
    decltype(&pa_stream_write) streamWrite = nullptr;
    decltype(&pa_stream_drain) streamDrain = nullptr;
    decltype(&pa_operation_unref) operationUnref = nullptr;
    decltype(&pa_sample_spec_valid) sampleSpecValid = nullptr;

    bool load(QLibrary& library)
    {
        return resolve(library, "pa_threaded_mainloop_new", mainloopNew)
            && resolve(library, "pa_threaded_mainloop_free", mainloopFree)
            && resolve(library, "pa_threaded_mainloop_start", mainloopStart)
            && resolve(library, "pa_threaded_mainloop_stop", mainloopStop)
            && resolve(library, "pa_threaded_mainloop_lock", mainloopLock)
            && resolve(library, "pa_threaded_mainloop_unlock", mainloopUnlock)
            && resolve(library, "pa_threaded_mainloop_get_api", mainloopApi)
            && resolve(library, "pa_context_new", contextNew)
            && resolve(library, "pa_context_unref", contextUnref)
            && resolve(library, "pa_context_connect", contextConnect)
            && resolve(library, "pa_context_disconnect", contextDisconnect)
            && resolve(library, "pa_context_get_state", contextState)
            && resolve(library, "pa_context_set_state_callback", contextSetStateCallback)
            && resolve(library, "pa_stream_new", streamNew)
            && resolve(library, "pa_stream_unref", streamUnref)
            && resolve(library, "pa_stream_connect_playback", streamConnectPlayback)
            && resolve(library, "pa_stream_disconnect", streamDisconnect)
            && resolve(library, "pa_stream_get_state", streamState)
            && resolve(library, "pa_stream_set_state_callback", streamSetStateCallback)
            && resolve(library, "pa_stream_write", streamWrite)
            && resolve(library, "pa_stream_drain", streamDrain)
            && resolve(library, "pa_operation_unref", operationUnref)
            && resolve(library, "pa_sample_spec_valid", sampleSpecValid);
    }
};

pa_sample_format_t sampleFormat(int bits)
{
    switch (bits) {
    case 8: return PA_SAMPLE_U8;
    case 16: return PA_SAMPLE_S16LE;
    case 32: return PA_SAMPLE_S32LE;
    default: return PA_SAMPLE_INVALID;
    }
}
}

// Everything below runs either on the caller's thread with the main loop
// locked, or on the main loop's own thread, which holds the lock while it
// calls back.
struct PulseOutput::Client {
    struct Sound {
        QByteArrayView samples;
        pa_sample_spec streamFormat {};
    };

    PulseLibrary pa;
    pa_threaded_mainloop* mainloop = nullptr;
    pa_context* context = nullptr;
    bool connected = false;
    // The sound whose stream is open, and one waiting for the connection.
    pa_stream* stream = nullptr;
    Sound playing;
    std::optional<Sound> waiting;

    ~Client()
    {
        if (!mainloop)
            return;
        pa.mainloopLock(mainloop);
        closeStream();
        closeContext();
        pa.mainloopUnlock(mainloop);
        pa.mainloopStop(mainloop);
        pa.mainloopFree(mainloop);
    }

    bool start()
    {
        mainloop = pa.mainloopNew();
        if (!mainloop)
            return false;
        connect();
        return pa.mainloopStart(mainloop) == 0;
    }

    // A server that is not running is not started for the game.
    void connect()
    {
        connected = false;
        context = pa.contextNew(pa.mainloopApi(mainloop), "Vermilo");
        if (!context)
            return;
        pa.contextSetStateCallback(context, &Client::contextChanged, this);
        if (pa.contextConnect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            closeContext();
    }

    void closeContext()
    {
        if (!context)
            return;
        pa.contextSetStateCallback(context, nullptr, nullptr);
        pa.contextDisconnect(context);
        pa.contextUnref(context);
        context = nullptr;
        connected = false;
    }

    void play(const Sound& sound)
    {
        if (connected) {
            openStream(sound);
            return;
        }
        waiting = sound;
        if (!context)
            connect();
    }

    void openStream(const Sound& sound)
    {
        closeStream();
        playing = sound;
        stream = pa.streamNew(context, "Vermilo sound effect", &sound.streamFormat, nullptr);
        if (!stream)
            return;
        pa.streamSetStateCallback(stream, &Client::streamChanged, this);
        // Playback starts as soon as the whole sound has been handed over.
        pa_buffer_attr buffer;
        buffer.maxlength = static_cast<std::uint32_t>(-1);
        buffer.tlength = static_cast<std::uint32_t>(-1);
        buffer.prebuf = static_cast<std::uint32_t>(sound.samples.size());
        buffer.minreq = static_cast<std::uint32_t>(-1);
        buffer.fragsize = static_cast<std::uint32_t>(-1);
        if (pa.streamConnectPlayback(stream, nullptr, &buffer, PA_STREAM_NOFLAGS, nullptr, nullptr)
            < 0)
            closeStream();
    }

    // Disconnecting a stream cuts its sound off at once.
    void closeStream()
    {
        if (!stream)
            return;
        pa.streamSetStateCallback(stream, nullptr, nullptr);
        pa.streamDisconnect(stream);
        pa.streamUnref(stream);
        stream = nullptr;
    }

    static void contextChanged(pa_context* context, void* data)
    {
        auto* client = static_cast<Client*>(data);
        switch (client->pa.contextState(context)) {
        case PA_CONTEXT_READY:
            client->connected = true;
            if (client->waiting)
                client->openStream(*std::exchange(client->waiting, std::nullopt));
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            // Its streams are gone with it; the next sound connects anew.
            client->closeStream();
            client->closeContext();
            client->waiting.reset();
            break;
        default: break;
        }
    }

    static void streamChanged(pa_stream* stream, void* data)
    {
        auto* client = static_cast<Client*>(data);
        switch (client->pa.streamState(stream)) {
        case PA_STREAM_READY: {
            // The server copies the samples; draining then says when they have played.
            const QByteArrayView samples = client->playing.samples;
            client->pa.streamWrite(stream, samples.data(), static_cast<std::size_t>(samples.size()),
                                   nullptr, 0, PA_SEEK_RELATIVE);
            if (pa_operation* drain = client->pa.streamDrain(stream, &Client::drained, client))
                client->pa.operationUnref(drain);
            break;
        }
        case PA_STREAM_FAILED:
        case PA_STREAM_TERMINATED: client->closeStream(); break;
        default: break;
        }
    }

    static void drained(pa_stream* stream, int, void* data)
    {
        auto* client = static_cast<Client*>(data);
        if (stream == client->stream)
            client->closeStream();
    }
};

PulseOutput::PulseOutput(std::unique_ptr<Client> client) : client(std::move(client)) { }

PulseOutput::~PulseOutput() = default;

std::unique_ptr<PulseOutput> PulseOutput::open()
{
    // Loaded for the life of the program: the library keeps threads of its own.
    QLibrary library(QStringLiteral("pulse"), 0);
    auto client = std::make_unique<Client>();
    if (!library.load() || !client->pa.load(library) || !client->start())
        return nullptr;
    return std::unique_ptr<PulseOutput>(new PulseOutput(std::move(client)));
}

void PulseOutput::play(QByteArrayView samples, Format format)
{
    Client::Sound sound;
    sound.samples = samples;
    sound.streamFormat.format = sampleFormat(format.bitsPerSample);
    sound.streamFormat.rate = static_cast<std::uint32_t>(format.sampleRate);
    sound.streamFormat.channels = static_cast<std::uint8_t>(format.channels);
    if (samples.isEmpty() || format.channels < 1
        || format.channels > static_cast<int>(PA_CHANNELS_MAX) || format.sampleRate < 1
        || !client->pa.sampleSpecValid(&sound.streamFormat))
        return;
    client->pa.mainloopLock(client->mainloop);
    client->play(sound);
    client->pa.mainloopUnlock(client->mainloop);
}
