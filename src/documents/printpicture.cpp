#include "documents/printpicture.h"

#include "platform/filesystem.h"
#include "platform/printer.h"

namespace gallerion {

namespace {

constexpr int TwipsPerInch = 1440;

// The pixels the picture needs for its printed rectangle; never more than it has.
QSize decodedSize(const QSize &full, const QSize &printedTwips)
{
    const QSize needed(printedTwips.width() * PictureDotsPerInch / TwipsPerInch,
                       printedTwips.height() * PictureDotsPerInch / TwipsPerInch);
    if (needed.width() >= full.width() || needed.height() >= full.height())
        return full;
    return full.scaled(needed, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

} // namespace

bool PrintPicture::open(const FileSystem &files, const QString &path)
{
    m_device = files.open(path);
    if (!m_device)
        return false;
    m_reader.setDevice(m_device.get());
    m_size = m_reader.size();
    if (m_size.isValid() && !m_size.isEmpty())
        return true;
    m_reader.setDevice(nullptr);
    m_device.reset();
    return false;
}

bool PrintPicture::print(Printer &printer, const QPoint &atTwips)
{
    // The job is open before the room is measured: it settles the paper.
    if (!m_device || !printer.pagePainter())
        return false;
    const QRect where = printer.pictureRectTwips(m_size, atTwips.x(), atTwips.y());
    m_reader.setScaledSize(decodedSize(m_size, where.size()));
    m_printed = m_reader.read();
    return !m_printed.isNull() && printer.drawPicture(m_printed, where);
}

} // namespace gallerion
