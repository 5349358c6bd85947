// The site window with large sites: opening a ".tat" of one site of N
// plugs until its window is shown and painted, sorting it by several
// criteria, and detailing then contracting every plug, at 1,000 and 10,000
// plugs. Offscreen; run it on a release build:
//   QT_QPA_PLATFORM=offscreen build/release/bin/site_window_bench [--dir FOLDER]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>

#include "autotest_file.h"
#include "main_frame.h"
#include "profile_settings.h"
#include "quillet_app.h"
#include "test_command_ids.h"
#include "test_doc_template.h"
#include "test_frame.h"
#include "test_view.h"

namespace {

using namespace quillet;

class SilentPrompt : public UserPrompt {
public:
    MessageResult show(const std::string &, const std::string &text, MessageIcon, MessageButtons) override {
        last = text;
        return MessageResult::Ok;
    }
    std::string last;
};

// A copper site testing length and delay whose plugs have varied delays
// (the block keeps the four pair delays from byte 9), so that sorting has
// real work and the verdicts mix PASS and FAIL.
model::CSite largeSite(int plugs) {
    model::CSite site;
    site.name = "BENCH";
    site.nvp = 690;
    site.standard.pairCount = 4;
    site.standard.pairMask = 0x55;
    site.standard.testsMask = 0x000F;
    site.standard.maxLength = 90;
    site.standard.maxDelay = 470;
    site.standard.maxSkew = 45;
    site.standard.sweep = {{60, 60, 99}};
    std::mt19937 random(42);
    std::uniform_int_distribution<int> delay(380, 480);
    for (int i = 0; i < plugs; ++i) {
        model::CPrise plug;
        plug.plugId = "P" + std::to_string(random() % 100000);
        plug.testTime = 1000000000u + static_cast<std::uint32_t>(random() % 1000000);
        plug.resultType = 5;
        for (std::size_t pair = 0; pair < 4; ++pair) {
            const auto d = static_cast<std::uint16_t>(delay(random));
            plug.block[9 + 2 * pair] = static_cast<std::uint8_t>(d & 0xFF);
            plug.block[10 + 2 * pair] = static_cast<std::uint8_t>(d >> 8);
        }
        site.plugs.push_back(plug);
    }
    return site;
}

double timed(const std::function<void()> &work) {
    QElapsedTimer clock;
    clock.start();
    work();
    QApplication::processEvents();  // the window repaints
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void runSize(int plugs, const QString &folder) {
    const QString file = folder + QStringLiteral("/bench-%1.tat").arg(plugs);
    model::AutotestFile<model::CSite> document;
    document.sites.push_back(largeSite(plugs));
    if (!model::saveAutotestFile(QFile::encodeName(file).toStdString(), document)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        std::exit(1);
    }

    SilentPrompt prompt;
    AppEnvironment env;
    env.prompt = &prompt;
    CQuilletApp app(env);
    autotest::registerAutotestDocuments(app);
    app.initInstance({});
    QApplication::processEvents();

    const double open = timed([&] { app.openDocumentFile(file); });
    auto *window = app.mainFrame()->mdiArea()->subWindowList().value(0);
    auto *frame = window ? qobject_cast<autotest::CTestFrame *>(window->widget()) : nullptr;
    if (!frame) {
        std::fprintf(stderr, "no window opened\n");
        std::exit(1);
    }
    std::printf("%6d plugs: open until shown %8.1f ms\n", plugs, open);
    struct Criterion {
        int number;
        const char *name;
    };
    for (const Criterion c : {Criterion{1, "identifier"}, Criterion{3, "length"}, Criterion{4, "delay"},
                              Criterion{5, "skew"}, Criterion{16, "dates"}}) {
        const double sort = timed([&] { frame->view()->sortPlugs(c.number, "?XXXXX", true); });
        std::printf("              sort by %-10s %8.1f ms\n", c.name, sort);
    }
    const double detail = timed([&] { app.mainFrame()->runCommand(cmd::kDetailAll); });
    const std::size_t lines = frame->view()->plugList().lines().size();
    const double contract = timed([&] { app.mainFrame()->runCommand(cmd::kContractAll); });
    std::printf("              Detail All %8.1f ms (%zu lines%s), Contract All %8.1f ms\n", detail, lines,
                prompt.last.empty() ? "" : (", " + prompt.last).c_str(), contract);
    frame->document().setModified(false);
}

}  // namespace

int main(int argc, char **argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // A profile of its own: no starting helper, nothing of the user's.
    QTemporaryDir profile;
    if (!profile.isValid()) return 1;
    setenv("XDG_CONFIG_HOME", profile.path().toLocal8Bit().constData(), 1);
    QApplication application(argc, argv);
    quillet::Profile().writeInt(QStringLiteral("Start"), QStringLiteral("Assist"), 0);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    QString folder = QDir::tempPath();
    for (int i = 1; i + 1 < argc; i += 2) {
        if (QString::fromLocal8Bit(argv[i]) == "--dir") folder = QString::fromLocal8Bit(argv[i + 1]);
    }
    for (int plugs : {1000, 10000}) runSize(plugs, folder);
    return 0;
}
