#pragma once

namespace gallerion {

// Whether GStreamer's libav plugin (Debian's gstreamer1.0-libav, the decoders of the
// Indeo, Cinepak and Video 1 films) lies where GStreamer looks for plugins.
bool libavDecodersInstalled();

} // namespace gallerion
