#include "disc.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    // Pictures are painted with QPainter, which needs the GUI application for its
    // fonts but no display: a command-line tool runs headless.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        err << "usage: make-sample-disc DIR\n"
               "Writes the sample content disc into DIR/disc and the program folder into "
               "DIR/program.\n";
        return 2;
    }
    const QString error = sampledisc::writeDisc(args.at(1));
    if (!error.isEmpty()) {
        err << "make-sample-disc: " << error << '\n';
        return 1;
    }
    return 0;
}
