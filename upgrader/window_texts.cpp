#include "window_texts.h"

namespace rivo {

namespace {

constexpr const char *kOptionsHelp =
    "-r\n"
    ". repeats last downloading without checking\n"
    "-l(f|e)\n"
    ". forces french (f) or english (e) language\n"
    "-c(1|2|3|4|5|6|7|8),(600|1200|2400|4800|9600|19200|38400|57600|115200),(7|8),(1|2),(e|o|n|i),(s|h|n)\n"
    ". forces communication parameters\n"
    "-w(X)\n"
    ". force waiting for target ready characters quantity (default 5)";

constexpr const char *kOptionsHelpFrench =
    "-r\n"
    ". répète le dernier téléchargement sans vérification\n"
    "-l(f|e)\n"
    ". impose la langue française (f) ou anglaise (e)\n"
    "-c(1|2|3|4|5|6|7|8),(600|1200|2400|4800|9600|19200|38400|57600|115200),(7|8),(1|2),(e|o|n|i),(s|h|n)\n"
    ". impose les paramètres de communication\n"
    "-w(X)\n"
    ". impose le nombre de caractères d'attente de l'appareil (5 par défaut)";

const WindowTexts kEnglish{
    "Upgrading instruments",
    "Welcome to the instruments upgrading utility.\n"
    "Connect the instrument to a serial port of this computer\n"
    "and switch it on: its monitor will receive the new firmware.\n"
    "Press Continue to start the upgrading by the transmission\n"
    "of the following files:",
    "Upgrading files list:",
    "&Continue", "&Exit", "&About...",
    "About...", "Downloading utility for upgrading instruments", "Version A.09", "Read me...", "Options...",
    "Read me", "README.TXT",
    "Options", kOptionsHelp,
    "Opening communication with the instrument", "&Ports", "&Baudrate", "&Data Bits", "&Stop Bits", "Pa&rity",
    "&Handshake",
    ". Define the communication port to which the\n  instrument is connected.\n\n"
    ". According to the instrument parameters, configure\n  the communication parameters above.",
    {"Even", "Odd", "None", "Ignored"},
    {"Xon/Xoff", "Hardware", "None"},
    "Analysing in progress...", "Transmitting in progress...",
    "OK", "Cancel", "&Yes", "&No",
};

const WindowTexts kFrench{
    "Mise à jour des appareils",
    "Bienvenue dans l'utilitaire de mise à jour des appareils.\n"
    "Raccordez l'appareil à un port série de cet ordinateur\n"
    "et mettez-le sous tension : son moniteur recevra le nouveau logiciel.\n"
    "Appuyez sur Continuer pour lancer la mise à jour par la transmission\n"
    "des fichiers suivants:",
    "Liste des fichiers de mise à jour:",
    "&Continuer", "&Quitter", "&A propos...",
    "A propos...", "Utilitaire de téléchargement pour la mise à jour des appareils", "Version A.09",
    "Lisez-moi...", "Options...",
    "Lisez-moi", "LISEZMOI.TXT",
    "Options", kOptionsHelpFrench,
    "Ouverture de la communication avec l'appareil", "&Ports", "&Vitesse", "Bits de &données", "Bits de &stop",
    "Pa&rité", "&Protocole",
    ". Définissez le port de communication auquel\n  l'appareil est raccordé.\n\n"
    ". Selon les paramètres de l'appareil, configurez\n  les paramètres de communication ci-dessus.",
    {"Paire", "Impaire", "Aucune", "Ignorée"},
    {"Xon/Xoff", "Matériel", "Aucun"},
    "Analyse en cours...", "Transmission en cours...",
    "OK", "Annuler", "&Oui", "&Non",
};

}  // namespace

const WindowTexts &windowTexts(Language language)
{
    return language == Language::French ? kFrench : kEnglish;
}

}  // namespace rivo
