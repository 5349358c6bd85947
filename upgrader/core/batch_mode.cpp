#include "batch_mode.h"

#include <algorithm>
#include <filesystem>

#include "firmware_file.h"
#include "run_options.h"
#include "upgrade_procedure.h"

namespace rivo {

namespace {

const char *iconName(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::Information:
        return "information";
    case BoxIcon::Question:
        return "question";
    case BoxIcon::Warning:
        return "warning";
    case BoxIcon::None:
        break;
    }
    return "none";
}

// The arguments without "--batch" and "--dir FOLDER"; the folder in `dir`.
std::vector<std::string> withoutBatchOptions(const std::vector<std::string> &arguments, std::string &dir,
                                             bool &dirMissing)
{
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--batch")
            continue;
        if (arguments[i] == "--dir") {
            dirMissing = i + 1 >= arguments.size();
            if (!dirMissing)
                dir = arguments[++i];
            continue;
        }
        if (arguments[i].starts_with("--dir=")) {
            dir = arguments[i].substr(6);
            continue;
        }
        rest.push_back(arguments[i]);
    }
    return rest;
}

}  // namespace

std::string boxBlock(const MessageBox &box)
{
    std::string block = std::string("[") + iconName(box.icon) + "]";
    if (!box.caption.empty())
        block += " " + box.caption;
    block += "\n" + box.text + "\n---\n";
    return block;
}

BoxAnswer BatchUi::ask(const MessageBox &box)
{
    out_ << boxBlock(box) << std::flush;
    switch (box.purpose) {
    case BoxPurpose::Retry:
        return BoxAnswer::Cancel;
    case BoxPurpose::Abort:
        return BoxAnswer::No;
    case BoxPurpose::Notice:
    case BoxPurpose::Confirm:
    case BoxPurpose::Trace:
        break;
    }
    return BoxAnswer::Ok;
}

bool isBatchRun(const std::vector<std::string> &arguments)
{
    return std::find(arguments.begin(), arguments.end(), "--batch") != arguments.end();
}

int runBatch(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &errors)
{
    std::string dir;
    bool dirMissing = false;
    const std::vector<std::string> rest = withoutBatchOptions(arguments, dir, dirMissing);
    std::error_code error;
    if (dirMissing || dir.empty() || !std::filesystem::is_directory(dir, error)) {
        errors << "rivo32: --batch needs --dir FOLDER, the folder of the firmware files\n";
        return 1;
    }
    UpgradeRequest request;
    request.folder = dir;
    request.options = readCommandLine(joinArguments(rest));
    request.language = request.options.language.value_or(Language::English);
    if (!request.options.link)
        request.options.link = LinkSettings{};  // COM1, 9600 baud, 8 data bits, 1 stop bit, no parity
    request.files = listFirmwareFiles(request.folder);
    if (request.options.singleFile && request.files.size() > 1)
        request.files.resize(1);

    BatchUi ui(out);
    return runUpgrade(request, ui, makePosixTransport()) == UpgradeOutcome::Success ? 0 : 1;
}

}  // namespace rivo
