#pragma once

#include <QByteArrayView>

#include <memory>

// Plays short sounds on the desktop's sound server (PulseAudio, or PipeWire
// standing in for it). The server's client library is loaded when the output
// is opened, not with the program, and its connection is made in the
// background. Each sound gets a stream of its own that holds all of its
// samples and is closed once they have played, so between sounds nothing
// keeps the process awake.
class PulseOutput {
public:
    struct Format {
        int channels = 0;
        int sampleRate = 0;
        int bitsPerSample = 0;
    };

    // Loads the client library and starts connecting to the server. Null when
    // the library is not installed.
    static std::unique_ptr<PulseOutput> open();
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // Starts the samples, cutting off the sound still playing. Never waits for
    // the server: a sound asked for while the connection is being made starts
    // as soon as it is made. A lost or failed connection is made again for the
    // next sound; until then sounds are skipped. The samples must stay valid
    // for the life of the output.
    void play(QByteArrayView samples, Format format);

private:
    struct Client;
    explicit PulseOutput(std::unique_ptr<Client> client);

    std::unique_ptr<Client> client;
};
