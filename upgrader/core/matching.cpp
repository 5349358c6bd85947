#include "matching.h"

namespace rivo {

namespace {

const FirmwareFile *fileFor(const Monitor &monitor, const std::vector<FirmwareFile> &files, bool force,
                            const Dialogue &dialogue)
{
    for (std::size_t i = 0; i < files.size(); ++i) {
        for (const std::string &entry : files[i].compatList) {
            dialogue.trace(insert(dialogue.text(kCompareReferences), monitor.reference, entry));
            if (entry == monitor.reference || (force && static_cast<int>(i) == monitor.index))
                return &files[i];
        }
    }
    return nullptr;
}

}  // namespace

std::vector<Transfer> matchFiles(const std::vector<Monitor> &monitors,
                                 const std::vector<FirmwareFile> &files, bool force,
                                 const Dialogue &dialogue)
{
    std::vector<Transfer> transfers;
    for (const Monitor &monitor : monitors) {
        if (const FirmwareFile *file = fileFor(monitor, files, force, dialogue))
            transfers.push_back({file, monitor.index});
    }
    return transfers;
}

}  // namespace rivo
