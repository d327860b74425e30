#pragma once

class QUrl;

namespace gallerion {

// The user's default web browser. Tests put a browser in its place that opens
// nothing; the trace records the page either way.
class WebBrowser
{
public:
    virtual ~WebBrowser() = default;
    // Asks the system to show the page; false when nothing could open it.
    bool open(const QUrl &url);

protected:
    virtual bool openInSystem(const QUrl &url);
};

} // namespace gallerion
