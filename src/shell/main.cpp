#include "shell/ShellStartup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return CShellStartup::Run(app);
}
