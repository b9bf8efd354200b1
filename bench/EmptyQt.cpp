// The empty Qt program the bench measures the program's start against: one label, shown and
// painted once (StartupProbe.cpp ends it then). It links Qt Widgets and nothing else.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Vorlenza"));
    label.setObjectName(QStringLiteral("emptyLabel"));
    label.show();
    return QApplication::exec();
}
