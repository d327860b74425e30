#include "platform/printer.h"

#include "platform/trace.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace gallerion {

namespace {

constexpr int TwipsPerInch = 1440;

void tracePrint(const QString &action, const QJsonValue &value, const QString &file = {})
{
    QJsonObject line{{QStringLiteral("kind"), QStringLiteral("print")},
                     {QStringLiteral("action"), action},
                     {QStringLiteral("value"), value}};
    if (!file.isEmpty())
        line.insert(QStringLiteral("file"), file);
    trace::write(line);
}

QString printDirectory()
{
    return qEnvironmentVariable("GALLERION_PRINT_DIR");
}

// Plain lines print in the printer's usual proportional font (Arial, or the
// font the system gives for it) at 12 points.
QFont lineFont()
{
    QFont font(QStringLiteral("Arial"), 12);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// Picks a printer when none was chosen: the system's default, else the first one.
bool choosePrinter(QPrinter &printer)
{
    if (!QPrinterInfo::availablePrinterNames().contains(printer.printerName())) {
        QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull() && !QPrinterInfo::availablePrinters().isEmpty())
            info = QPrinterInfo::availablePrinters().constFirst();
        if (info.isNull())
            return false;
        printer.setPrinterName(info.printerName());
    }
    return true;
}

// Qt's PDF writer does not tell when the disk fills or the folder goes while
// it writes; the file then lacks its header or its closing trailer.
bool isCompletePdf(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.read(5) != "%PDF-")
        return false;
    constexpr qint64 TailBytes = 64;
    file.seek(qMax<qint64>(0, file.size() - TailBytes));
    return file.readAll().trimmed().endsWith("%%EOF");
}

} // namespace

Printer::Printer() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

Printer::~Printer()
{
    if (m_painter)
        m_painter->end();
}

QString Printer::nextPdfName() const
{
    const QDir dir(printDirectory());
    int number = 1;
    QString name;
    do {
        name = dir.filePath(QStringLiteral("job-%1.pdf").arg(number++, 4, 10, QLatin1Char('0')));
    } while (QFileInfo::exists(name));
    return name;
}

bool Printer::beginJob()
{
    if (m_painter)
        return true;
    if (!printDirectory().isEmpty()) {
        // The folder stands for the printer: one that is not there prints nothing.
        if (!QFileInfo(printDirectory()).isDir()) {
            m_error = QStringLiteral("The print folder %1 does not exist.")
                          .arg(QDir::toNativeSeparators(printDirectory()));
            return false;
        }
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(nextPdfName());
    } else if (!choosePrinter(*m_printer)) {
        m_error = QStringLiteral("No printer is installed.");
        return false;
    }
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(m_printer.get())) {
        m_error = QStringLiteral("The printer could not start the job.");
        renewDevice();
        return false;
    }
    painter->setFont(lineFont());
    m_painter = std::move(painter);
    m_currentY = 0;
    m_pagePending = false;
    return true;
}

bool Printer::startPendingPage()
{
    if (!m_pagePending)
        return true;
    m_pagePending = false;
    m_currentY = 0;
    if (!m_printer->newPage()) {
        m_error = QStringLiteral("The printer could not start a new page.");
        return false;
    }
    return true;
}

QPainter *Printer::pagePainter()
{
    return beginJob() && startPendingPage() ? m_painter.get() : nullptr;
}

int Printer::twipsToDevice(int twips) const
{
    return int(qint64(twips) * m_printer->resolution() / TwipsPerInch);
}

int Printer::deviceToTwips(int pixels) const
{
    return int(qint64(pixels) * TwipsPerInch / m_printer->resolution());
}

bool Printer::printLine(const QString &text)
{
    if (!pagePainter())
        return false;
    const QFontMetrics metrics(m_painter->font(), m_printer.get());
    m_painter->drawText(0, m_currentY + metrics.ascent(), text);
    // A line is the font's height, without the extra leading between lines,
    // so the lines above a picture keep to the room its position leaves them.
    m_currentY += metrics.height();
    tracePrint(QStringLiteral("line"), text);
    return true;
}

QRect Printer::pictureRectTwips(const QSize &pixels, int xTwips, int yTwips) const
{
    // "Its own size": the picture's pixels at the screen's 15 twips each.
    QSizeF size(pixels.width() * 15.0, pixels.height() * 15.0);
    const QSizeF room(qMax(1, printableWidthTwips() - xTwips),
                      qMax(1, printableHeightTwips() - yTwips));
    if (size.width() > room.width() || size.height() > room.height())
        size.scale(room, Qt::KeepAspectRatio);
    return QRect(xTwips, yTwips, int(size.width()), int(size.height()));
}

bool Printer::drawPicture(const QImage &image, int xTwips, int yTwips)
{
    return drawPicture(image, pictureRectTwips(image.size(), xTwips, yTwips));
}

bool Printer::drawPicture(const QImage &image, const QRect &twips)
{
    if (image.isNull()) {
        m_error = QStringLiteral("The picture is empty.");
        return false;
    }
    if (!pagePainter())
        return false;
    const QRect target(twipsToDevice(twips.x()), twipsToDevice(twips.y()),
                       twipsToDevice(twips.width()), twipsToDevice(twips.height()));
    m_painter->drawImage(target, image);
    tracePrint(QStringLiteral("picture"), QStringLiteral("%1x%2 at %3,%4")
                                              .arg(image.width())
                                              .arg(image.height())
                                              .arg(twips.x())
                                              .arg(twips.y()));
    return true;
}

bool Printer::newPage()
{
    if (!pagePainter())
        return false;
    m_pagePending = true;
    tracePrint(QStringLiteral("newpage"), QJsonValue());
    return true;
}

bool Printer::endDoc()
{
    if (!m_painter)
        return true;
    bool ok = m_painter->end();
    m_painter.reset();
    m_pagePending = false;
    m_fileName =
        m_printer->outputFormat() == QPrinter::PdfFormat ? m_printer->outputFileName() : QString();
    if (ok && !m_fileName.isEmpty() && !isCompletePdf(m_fileName)) {
        // A torn file is no print; it would only pass for one.
        QFile::remove(m_fileName);
        m_error = QStringLiteral("The print file %1 could not be written whole.")
                      .arg(QDir::toNativeSeparators(m_fileName));
        ok = false;
    } else if (!ok) {
        m_error = QStringLiteral("The printer did not accept the job.");
    }
    if (!ok)
        renewDevice();
    tracePrint(QStringLiteral("enddoc"), ok, m_fileName);
    return ok;
}

// Qt's print engine keeps a failed write's state into the next job, which it
// then cuts short too: after a failure the next job gets a fresh device with
// the same printer and paper.
void Printer::renewDevice()
{
    auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (m_printer->outputFormat() == QPrinter::NativeFormat)
        fresh->setPrinterName(m_printer->printerName());
    fresh->setPageLayout(m_printer->pageLayout());
    m_printer = std::move(fresh);
}

int Printer::pageWidthTwips() const
{
    return deviceToTwips(m_printer->pageLayout().fullRectPixels(m_printer->resolution()).width());
}

int Printer::pageHeightTwips() const
{
    return deviceToTwips(m_printer->pageLayout().fullRectPixels(m_printer->resolution()).height());
}

int Printer::printableWidthTwips() const
{
    return deviceToTwips(m_printer->pageLayout().paintRectPixels(m_printer->resolution()).width());
}

int Printer::printableHeightTwips() const
{
    return deviceToTwips(m_printer->pageLayout().paintRectPixels(m_printer->resolution()).height());
}

int Printer::physicalOffsetXTwips() const
{
    return deviceToTwips(m_printer->pageLayout().paintRectPixels(m_printer->resolution()).left());
}

int Printer::physicalOffsetYTwips() const
{
    return deviceToTwips(m_printer->pageLayout().paintRectPixels(m_printer->resolution()).top());
}

void Printer::setPageSize(const QPageSize &size)
{
    m_printer->setPageSize(size);
}

bool Printer::showSetupDialog(QWidget *parent)
{
    // The dialog works on a copy of the settings, so Cancel leaves them alone.
    QPrinter choice(QPrinter::HighResolution);
    choosePrinter(choice);
    if (!m_printer->printerName().isEmpty())
        choice.setPrinterName(m_printer->printerName());
    choice.setPageLayout(m_printer->pageLayout());
    QPrintDialog dialog(&choice, parent);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOptions({});
    // It chooses the printer for later jobs; nothing prints when it closes.
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (accepted) {
        m_printer->setPrinterName(choice.printerName());
        m_printer->setPageLayout(choice.pageLayout());
    }
    tracePrint(QStringLiteral("setup"), accepted);
    return accepted;
}

} // namespace gallerion
