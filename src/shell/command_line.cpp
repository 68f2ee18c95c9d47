// The game's command line.
#include "command_line.h"

#include <string_view>

const char* const kUsage =
    "Aufruf: plimsdl [--fullscreen | --window] [--scale N]\n"
    "  --fullscreen  im Vollbild starten\n"
    "  --window      im Fenster starten (so startet das Spiel ohne Angabe)\n"
    "  --scale N     jeden Bildpunkt im Fenster als N x N Bildpunkte zeigen (ohne Angabe\n"
    "                so groß, wie der Bildschirm Platz hat)\n"
    "  --help        diese Hilfe zeigen\n"
    "  --version     die Version zeigen\n"
    "Im Spiel wechseln F11 und Alt+Eingabe zwischen Fenster und Vollbild.\n";

namespace {

constexpr std::string_view kScaleOption = "--scale";

// A whole number from 1 up in plain decimal, held at kLargestScaleRead; 0 for anything else.
int scaleFrom(std::string_view text) {
    if (text.empty() || text[0] == '0') {
        return 0;
    }
    int scale = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9') {
            return 0;
        }
        scale = scale >= kLargestScaleRead ? kLargestScaleRead : scale * 10 + (digit - '0');
    }
    return scale > kLargestScaleRead ? kLargestScaleRead : scale;
}

CommandLine refusal() {
    CommandLine refused;
    refused.action = CommandLine::Action::Refuse;
    return refused;
}

}  // namespace

CommandLine readCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    bool help = false;
    bool version = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help") {
            help = true;
        } else if (argument == "--version") {
            version = true;
        } else if (argument == "--fullscreen" || argument == "--window") {
            line.fullscreen = argument == "--fullscreen";
        } else if (argument == kScaleOption && i + 1 < argc) {
            line.scale = scaleFrom(argv[++i]);
        } else if (argument.substr(0, kScaleOption.size() + 1) == "--scale=") {
            line.scale = scaleFrom(argument.substr(kScaleOption.size() + 1));
        } else {
            return refusal();
        }
        if (line.scale == 0 && argument.substr(0, kScaleOption.size()) == kScaleOption) {
            return refusal();
        }
    }
    if (help) {
        line.action = CommandLine::Action::ShowHelp;
    } else if (version) {
        line.action = CommandLine::Action::ShowVersion;
    }
    return line;
}
