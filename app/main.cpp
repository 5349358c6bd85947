// quillet: the desktop program of the Torvik tester.
#include <QApplication>

#include "norm_doc_factory.h"
#include "graph_document_factory.h"
#include "quillet_app.h"
#include "test_doc_template.h"
#include "tool_icons.h"
#include "profile.h"
#include "regional_profile.h"

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet"));
    QApplication::setWindowIcon(quillet::applicationIcon());
    // Dates and numbers follow the user's regional settings, read once.
    quillet::loadProgramRegional(quillet::profilePath());
    // QApplication has taken its own options out of argv by now.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    quillet::CQuilletApp app;
    quillet::registerStandardsDocuments(app);
    quillet::autotest::registerAutotestDocuments(app);
    app.graphTemplate().setFactory(std::make_unique<quillet::graphs::GraphDocumentFactory>(
        [&app] { return app.linkContext(); }, app.prompt()));
    if (!app.initInstance(arguments)) return 1;
    return QApplication::exec();
}
