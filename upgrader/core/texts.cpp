#include "texts.h"

#include <array>
#include <utility>

namespace rivo {

namespace {

struct NumberedText {
    int number;
    const char *text;
};

constexpr std::array kTexts{
    NumberedText{3, "Aucun fichier de mise à jour (.HEX) n'a été trouvé dans le répertoire courant de l'application"},
    NumberedText{4, "No upgrading file (.HEX) has been found in the current directory"},
    NumberedText{5, "Impossible d'ouvrir le fichier \"%1\""},
    NumberedText{6, "Unable to open file \"%1\""},
    NumberedText{7, "Le fichier \"%1\" n'est pas intègre"},
    NumberedText{8, "File \"%1\" is wrong"},
    NumberedText{9, "Impossible d'effectuer la mise à jour"},
    NumberedText{10, "Unable to upgrade the instrument"},
    NumberedText{11, "Impossible de fermer la communication"},
    NumberedText{12, "Unable to close communication"},
    NumberedText{15, "Pas de réponse de l'appareil"},
    NumberedText{16, "No answer from the instrument"},
    NumberedText{37, "Transmission du fichier \"%1\""},
    NumberedText{38, "Transmitting file \"%1\""},
    NumberedText{39, "En cours..."},
    NumberedText{40, "In progress..."},
    NumberedText{41, "La mise à jour a été effectuée avec succès pour les fichiers:"},
    NumberedText{42, "Upgrading has been successfully done for the files:"},
    NumberedText{43, "La ligne n'a pas été comprise par l'appareil"},
    NumberedText{44, "The line has not be accepted by the instrument"},
    NumberedText{45, "Impossible de transmettre la ligne:\n  \"%1\""},
    NumberedText{46, "Unable to transmit line:\n  \"%1\""},
    NumberedText{47, "Impossible d'identifier l'appareil"},
    NumberedText{48, "Unable to identify the instrument"},
    NumberedText{49, "La commande n'a pas été comprise par l'appareil"},
    NumberedText{50, "The command has not be accepted by the instrument"},
    NumberedText{51, "Impossible de transmettre la commande \"%1\""},
    NumberedText{52, "Unable to transmit command:\n  \"%1\""},
    NumberedText{53, "Impossible de passer le moniteur en mode de mise à jour"},
    NumberedText{54, "Unable to set the monitor to upgrading mode"},
    NumberedText{55, "Analyse du fichier \"%1\""},
    NumberedText{56, "Analysing file \"%1\""},
    NumberedText{57, "Voulez-vous vraiment annuler la procédure de mise à jour ?"},
    NumberedText{58, "Do you want to abort the upgrading process ?"},
    NumberedText{59, "La liste de compatibilité du fichier \"%1\" n'est pas intègre"},
    NumberedText{60, "The compatibility list of the file  \"%1\" is wrong"},
    NumberedText{61, "L'appareil ne peut être mis à jour sans un retour à l'usine"},
    NumberedText{62, "The instrument cant be upgraded without intervention in the factory"},
    NumberedText{63, "La mise à jour de l'appareil va être effectuée par transmission des fichiers suivants:"},
    NumberedText{64, "The instrument upgrading will be done by transmitting following files:"},
    NumberedText{65, "Contactez votre revendeur"},
    NumberedText{66, "Contact your resaler"},
    NumberedText{67, "Vérifiez le cordon de liaison et les paramètres de communication\nou bien fermez les autres applications utilisant ce port."},
    NumberedText{68, "Verify the link cable and the communication parameters\nor close other applications using this port."},
    NumberedText{69, "En arrêtant maintenant la procédure de mise à jour, l'appareil ne sera pas opérationnel.\n\nVoulez-vous vraiment interrompre la procédure de mise à jour ?"},
    NumberedText{70, "When you stop now the upgrading process, the instrument will not be operational.\n\nDo you want to abort upgrading process ?"},
    NumberedText{71, "La ligne suivante vient d'être envoyée:\n%1"},
    NumberedText{72, "Following line has just been sent:\n%1"},
    NumberedText{73, "La réponse suivante vient d'être reçue:\n%1"},
    NumberedText{74, "Following answer has just been received:\n%1"},
    NumberedText{75, "Comparaison références:\nMoniteur appareil:\t\"%1\"\nMoniteurs compatibles:\t \"%2\""},
    NumberedText{76, "Compare references:\nInstrument Monitor:\t\"%1\"\nCompatibles Monitors:\t \"%2\""},
    NumberedText{77, "Moniteur appareil: \"%1\""},
    NumberedText{78, "Instrument Monitor: \"%1\""},
    NumberedText{79, "Liste de compatibilité"},
    NumberedText{80, "Compatibility List"},
    NumberedText{81, "Aucune liste de compatibilité n'a été trouvée dans le fichier \"%1\""},
    NumberedText{82, "No compatibility list has been found in the file \"%1\""},
    NumberedText{83, "Mise à jour des appareils"},
    NumberedText{84, "Upgrading instruments"},
};

}  // namespace

const char *textByNumber(int number)
{
    for (const NumberedText &entry : kTexts) {
        if (entry.number == number)
            return entry.text;
    }
    return "";
}

std::string text(Language language, TextId id)
{
    return textByNumber(language == Language::French ? id - 1 : id);
}

std::string insert(std::string text, const std::string &first, const std::string &second)
{
    const std::pair<const char *, const std::string *> marks[] = {{"%1", &first}, {"%2", &second}};
    for (const auto &[mark, value] : marks) {
        for (std::size_t at = text.find(mark); at != std::string::npos;
             at = text.find(mark, at + value->size()))
            text.replace(at, 2, *value);
    }
    return text;
}

}  // namespace rivo
