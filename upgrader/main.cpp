// rivo32: the firmware upgrader. "--batch" runs it without windows (see
// batch_mode.h); otherwise it leads the user through its windows.
// "--version" alone prints the program's version, as the suite's other
// programs do.
#include <QApplication>
#include <iostream>

#include "batch_mode.h"
#include "upgrader_app.h"
#include "window_texts.h"

int main(int argc, char **argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments == std::vector<std::string>{"--version"}) {
        std::cout << "rivo32 " << rivo::kProgramVersion << '\n';
        return 0;
    }
    if (rivo::isBatchRun(arguments))
        return rivo::runBatch(arguments, std::cout, std::cerr);
    QApplication application(argc, argv);
    return rivo::runWindowed(arguments, QDir(QCoreApplication::applicationDirPath()));
}
