#include "document_loading.h"

#include "file_io.h"

namespace quillet::cli {
namespace {

template <class File>
model::Result<LoadedDocument> wrap(model::DocumentKind kind, model::Result<File> read) {
    if (!read) return read.error();
    return LoadedDocument{kind, std::move(read.value())};
}

model::Result<LoadedDocument> loadAnyDocument(const std::string &path) {
    using model::DocumentKind;
    auto bytes = model::readDocumentFile(path);
    if (!bytes) return bytes.error();
    const auto kind = model::documentKindOf(bytes.value(), path);
    if (!kind) return kind.error();
    switch (kind.value()) {
    case DocumentKind::Standards: return wrap(kind.value(), model::readNormFile(bytes.value(), path));
    case DocumentKind::Graph: return wrap(kind.value(), model::readGraphFile(bytes.value(), path));
    case DocumentKind::Autotest:
        return wrap(kind.value(), model::readAutotestFile<model::CSite>(bytes.value(), path));
    }
    return model::FileError{path, "unknown document kind", std::nullopt, {}};
}

}  // namespace

model::Result<LoadedDocument> loadDocument(const std::string &path) {
    return model::unlessOutOfMemory(path, "load the document", [&] { return loadAnyDocument(path); });
}

model::SaveResult saveDocument(const std::string &path, const LoadedDocument &document) {
    return std::visit(
        [&path](const auto &file) -> model::SaveResult {
            using File = std::decay_t<decltype(file)>;
            if constexpr (std::is_same_v<File, model::NormFile>) {
                return model::saveNormFile(path, file);
            } else if constexpr (std::is_same_v<File, model::GraphFile>) {
                return model::saveGraphFile(path, file);
            } else {
                return model::saveAutotestFile(path, file);
            }
        },
        document.file);
}

const std::string &headerOf(const LoadedDocument &document) {
    return std::visit([](const auto &file) -> const std::string & { return file.header; }, document.file);
}

}  // namespace quillet::cli
