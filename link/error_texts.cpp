// The library's texts, French on odd numbers and English on the following
// even number, in Windows-1252, and the text of each result code.
#include <cstdio>
#include <cstring>
#include <string>

#include "link_state.h"
#include "text_copy.h"
#include "torvlink.h"

namespace torvlink {
namespace {

struct NumberedText {
    int number;
    const char *text;
};

constexpr NumberedText kTexts[] = {
    {1, "Pas d'erreur"},
    {2, "No error"},
    {3, "Communication: Le port n'existe pas"},
    {4, "Communication: This port does not exist"},
    {5, "Communication: Le port est d\xE9j\xE0 ouvert"},
    {6, "Communication: Device already open"},
    {7, "Communication: Impossible d'ouvrir le port"},
    {8, "Communication: Unable to open the port"},
    {9, "Communication: Le tampon d'\xE9mission est plein"},
    {10, "Communication: TX Queue is full"},
    {11, "Le protocole Xon/Xoff n'est pas support\xE9"},
    {12, "Xon/Xoff Protocol not supported"},
    {13, "Re-essayer \xE0 une vitesse plus basse"},
    {14, "Retry at lower rate"},
    {15, "Impossible de lire la derni\xE8re erreur de TORVIK"},
    {16, "Unable to read TORVIK last error"},
    {17, "En-t\xEAte erron\xE9 dans la r\xE9ponse binaire de TORVIK"},
    {18, "Wrong bloc header of a binary TORVIK response"},
    {19, "TORVIK non identifi\xE9"},
    {20, "TORVIK not identified"},
    {21, "Erreur syst\xE8me:\n"},
    {22, "System error:\n"},
    {23, "Erreur inconnue"},
    {24, "Unknown error"},
    {25, "OLBRIN"},
    {27, "TORVIK"},
    {29, "Message d'erreur de l'appareil"},
    {30, "Derni\xE8re commande envoy\xE9" "e"},
};

struct CodeText {
    int32_t code;
    int frenchText;
};

constexpr CodeText kCodeTexts[] = {
    {TORVIK_OK, 1},
    {TORVIK_ERR_QUERY, 3},
    {-2, 5},
    {TORVIK_ERR_CLOSED, 7},
    {TORVIK_ERR_PARTIAL_WRITE, 9},
    {TORVIK_ERR_PORT, 21},
    {TORVIK_ERR_XONXOFF, 11},
    {TORVIK_ERR_NOT_IDENTIFIED, 13},
    {TORVIK_ERR_ERROR_REPLY, 15},
    {TORVIK_ERR_BLOCK_HEADER, 17},
    {TORVIK_ERR_SHORT_ID, 19},
};

int frenchTextOf(int32_t code) {
    for (const auto &entry : kCodeTexts) {
        if (entry.code == code) return entry.frenchText;
    }
    return 23;  // a tester error number or any other code
}

}  // namespace

const char *libraryText(int number) {
    for (const auto &entry : kTexts) {
        if (entry.number == number) return entry.text;
    }
    return nullptr;
}

}  // namespace torvlink

extern "C" int32_t TorvlinkGetTextError(int32_t code, char *buffer, int32_t size, int32_t english) {
    using namespace torvlink;
    const int systemError = link().lastSystemError;  // first, before anything can change it
    if (!buffer || size < 1) return -1;
    const int pick = english ? 1 : 0;
    const char *text = libraryText(frenchTextOf(code) + pick);
    if (!text) text = libraryText(23 + pick);
    if (!text) {
        buffer[0] = '\0';
        return -1;
    }
    std::string full = text;
    if (code == TORVIK_ERR_PORT) full += std::strerror(systemError);
    copyText(buffer, size, full);
    return 0;
}
