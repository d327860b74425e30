#include "platform/printer.h"

#include "platform/trace.h"

#include <QDir>
#include <QFontMetrics>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

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
        QDir().mkpath(printDirectory());
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(nextPdfName());
    } else if (QPrinterInfo::availablePrinters().isEmpty()) {
        m_error = QStringLiteral("No printer is installed.");
        return false;
    }
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(m_printer.get())) {
        m_error = QStringLiteral("The printer could not start the job.");
        return false;
    }
    m_painter = std::move(painter);
    m_currentY = 0;
    return true;
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
    if (!beginJob())
        return false;
    const QFontMetrics metrics(m_painter->font(), m_printer.get());
    m_painter->drawText(0, m_currentY + metrics.ascent(), text);
    m_currentY += metrics.lineSpacing();
    tracePrint(QStringLiteral("line"), text);
    return true;
}

bool Printer::drawPicture(const QImage &image, int xTwips, int yTwips)
{
    if (image.isNull()) {
        m_error = QStringLiteral("The picture is empty.");
        return false;
    }
    if (!beginJob())
        return false;
    // "Its own size": the picture's pixels at the screen's 15 twips each.
    const QRect target(twipsToDevice(xTwips), twipsToDevice(yTwips),
                       twipsToDevice(image.width() * 15), twipsToDevice(image.height() * 15));
    m_painter->drawImage(target, image);
    tracePrint(QStringLiteral("picture"), QStringLiteral("%1x%2 at %3,%4")
                                              .arg(image.width())
                                              .arg(image.height())
                                              .arg(xTwips)
                                              .arg(yTwips));
    return true;
}

bool Printer::newPage()
{
    if (!beginJob())
        return false;
    if (!m_printer->newPage()) {
        m_error = QStringLiteral("The printer could not start a new page.");
        return false;
    }
    m_currentY = 0;
    tracePrint(QStringLiteral("newpage"), QJsonValue());
    return true;
}

bool Printer::endDoc()
{
    if (!m_painter)
        return true;
    const bool ok = m_painter->end();
    m_painter.reset();
    m_fileName =
        m_printer->outputFormat() == QPrinter::PdfFormat ? m_printer->outputFileName() : QString();
    tracePrint(QStringLiteral("enddoc"), ok, m_fileName);
    if (!ok)
        m_error = QStringLiteral("The printer did not accept the job.");
    return ok;
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

bool Printer::showSetupDialog(QWidget *parent)
{
    QPageSetupDialog dialog(m_printer.get(), parent);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    tracePrint(QStringLiteral("setup"), accepted);
    return accepted;
}

} // namespace gallerion
