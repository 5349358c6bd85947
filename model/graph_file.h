// The graph document file (".frt"): the header and the comment, then - when
// the document revision admits its records - the names of the sites the
// curves came from, the tester's identity and user, the representation
// title, the comment lines and the curves as tagged CGrphMes objects.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "file_result.h"
#include "grph_mes.h"

namespace quillet::model {

struct GraphFile {
    std::string header;  // as read; storing always writes the program's own
    std::string comment;
    std::string siteList;  // site names joined by ", "
    std::string testerMaker;
    std::string testerModel;
    std::string testerSerial;
    std::string testerRevision;
    std::string user;
    std::string company;
    std::string representationTitle;  // empty: the document's title
    std::vector<std::string> commentLines;
    std::vector<CGrphMes> curves;
};

// A file of revision "Z.00" up to "Z.06" gives its header and comment only.
Result<GraphFile> readGraphFile(std::span<const std::uint8_t> bytes, const std::string &path);
std::vector<std::uint8_t> encodeGraphFile(const GraphFile &file);

Result<GraphFile> loadGraphFile(const std::string &path);
SaveResult saveGraphFile(const std::string &path, const GraphFile &file);

}  // namespace quillet::model
