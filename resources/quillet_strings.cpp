#include "quillet_strings.h"

namespace quillet {
namespace {

struct NumberedString {
    int id;
    const char *text;
};

constexpr NumberedString kStrings[] = {
    {206, "Length"},
    {272, "Delay"},
    {273, "Loop Resistance"},
    {124, "ACR"},
    {115, "Attenuation"},
    {122, "ATT"},
    {218, "Unknown"},
    {264, "NEXT"},
    {265, "PowerSum NEXT"},
    {266, "ELFEXT"},
    {267, "PowerSum ELFEXT"},
    {268, "PowerSum ACR"},
    {269, "Return Loss"},
    {301, "Opt."},
    {104, "Unable to open the file \"%1\""},
    {105, "&Comment associated to the file:"},
    {106, "No Standard available in the unit"},
    {107, "No selected Standard"},
    {108, "Unable to read Standard \"%1\""},
    {110, "Searching Standards..."},
    {111, "Reading Standards..."},
    {112, "Standard"},
    {113, "Frequency sweep"},
    {116, "Max. Length"},
    {117, "Max. Propagation Delay"},
    {118, "Max. Propagation Gap"},
    {119, "Max. Loop Resistance"},
    {128, "by step of"},
    {209, "Max."},
    {274, "Unable to read the file \"%1\""},
    {275, "The application can't read its data"},
    {290, "Zc"},
    {298, "MultiMode 50 \xB5m"},
    {299, "MultiMode 62.5 \xB5m"},
    {300, "MonoMode"},
    {156, "Unable to create file"},
    {159, "Comment"},
    {163, "Mapping"},
    {165, "Certification Standard"},
    {169, "S/N"},
    {170, "Revision"},
    {171, "User"},
    {172, "Company"},
    {173, "TESTED PLUGS"},
    {175, "FAILED"},
    {177, "Plug Id"},
    {179, "Map."},
    {181, "Leng."},
    {182, "LoopR"},
    {183, "Att."},
    {185, "Date"},
    {210, "Skew"},
    {211, "CERTIFICATION REPORT"},
    {212, "Unable to write the site data into the file"},
    {213, "Unable to write the plugs data into the file"},
    {234, "PASSED"},
    {244, "%1 NEAR THE MEASUREMENT UNCERTAINTY"},
    {250, "Delay"},
    {251, "NEXT"},
    {252, "PSNEXT"},
    {253, "ELFEXT"},
    {254, "PSELF."},
    {255, "PSACR"},
    {256, "R.Loss"},
    {280, "SITE"},
    {232, "Frequency"},
    {236, "Pair"},
    {237, "Meas."},
    {257, "T"},
    {258, "R"},
    {259, "Worst case"},
    {260, "Margin"},
    {261, "Absolute"},
    {262, "TESTER"},
    {263, "REMOTE"},
    {270, "Pair(s)"},
    {271, "Limit"},
    {288, "Unable to detail more than %1 plugs"},
    {293, "True NVP"},
    {294, "Plug"},
    {302, "C"},
    {158, "Site"},
    {214, "failing value"},
    {216, "value not measured or limit not specified"},
    {217, "value near the measurement uncertainty"},
    {245, "Printed on"},
    {246, "Signature"},
    {278, "FAIL"},
    {279, "PASS"},
    {303, "plug with curves"},
    // The plotting component.
    {12100, "Comment"},
    {12101, "Up to %1 fixed markers as a maximum"},
    {12102, "Scale"},
    {12103, "Legend"},
    {12104, "X axis"},
    {12105, "Time"},
    {12106, "Statistics"},
    {12107, "Chan.\tMinimum\tMaximum\tAverage\tStd. Dev."},
    {12108, "Markers"},
    {12109,
     "To zoom in, hold SHIFT + left mouse button, then select the area you want to zoom in. As soon as you hold "
     "off the left mouse button, a zoom will be performed in this area."},
    {12110, "\n\nA right mouse button click will display the normal view."},
    {12120, "Select up to %1 channels as a maximum"},
    {12121, "Up to %1 comment lines as a maximum"},
    {12131, "Min. value must be lower than max."},
    {12132, "min."},
    {12133, "max."},
    {12140, "Up to %1 points as a maximum"},
    {12141, "Curve Templ. (*.gab)"},
    {12142, ".gab"},
    {12143, "Select the curve template file to create"},
    {12144, "Select the curve template file to load"},
    {12145, "Fail to open clipboard"},
    {12146, "Fail to empty clipboard"},
    {12150, "Specify the date under format:\nDD/MM/YY HH:MM:SS"},
    {12151, "Specify the time under format:\nHH:MM:SS"},
    {12152, "Please, enter a date between\nthe %1\nand the %2."},
    {12153, "Please, enter at least %1 character(s)."},
    {12154, "Please, enter at most %1 character(s)."},
    {ids::kAppTitle, "Quillet"},
    {ids::kAutotestDocStrings,
     "\nTest\nAutotest Document\nAutotest Files (*.tat)\n.tat\nQuillet.Autotest.Document\nQuillet Autotest Document"},
    {ids::kGraphDocStrings,
     "\nGraph\nGraph Document\nGraph Files (*.frt)\n.frt\nQuillet.Graph.Document\nQuillet Graph Document"},
    {ids::kNormDocStrings,
     "\nStandard\nStandard Document\nStandards Files (*.nrm)\n.nrm\nQuillet.Norm.Document\nQuillet Norm Document"},
    {ids::kProfileRoot, "Olbrin Applications"},
    {ids::kPleaseWait, "Please wait..."},
    {ids::kUnableToCommunicate,
     "Unable to communicate with the tester!\n\nPlease check if:\n. The Measuring Unit is on,\n"
     ". The Measuring Unit is NOT connected to the Remote Unit.\n\n"
     "Otherwise, do you want to modify the communication parameters?"},
    {ids::kSearchingSites, "Searching sites..."},
    {ids::kSelectSitesDisplayed, "Select sites to be displayed"},
    {ids::kDisplayFile, "file \"%1\""},
    {ids::kDisplay, "Display"},
    {ids::kDisplayAll, "Display &all"},
    {ids::kNoSelection, "No selection has been done"},
    {ids::kFullDeletingNotAllowed, "Full deleting not allowed"},
    {ids::kSitesWillBeDeleted,
     "Selected sites will be deleted from the file \"%1\" when exiting from this dialog box."},
    {ids::kNr, "Nr"},
    {ids::kNoSiteAvailable, "No site available in the unit"},
    {ids::kNoSelectedSite, "No selected site"},
    {ids::kUnableToReadSite, "Unable to read site \"%1\""},
    {ids::kNoAutotestData, "Site %1 has no autotest data"},
    {ids::kReplaceSiteData,
     "Destination file already have data for the site \"%1\".\nDo you want to replace this site data with most "
     "recent data ?"},
    {ids::kForTheSite, "for the site:"},
    {ids::kReadingPlugs, "Readings plugs..."},
    {ids::kUnableToReadPlugIndex, "Unable to read plug index \"%1\" from site \"%2\""},
    {ids::kLimit, "Limit"},
    {ids::kPass, "PASS"},
    {ids::kFail, "FAIL"},
    {ids::kSplit, "S"},
    {ids::kVolt, "VOLT"},
    {ids::kSiteCorrupted,
     "Site \"%1\" data seems to be corrupted in the unit.\n\nAfter data saving, the unit memory may have to be "
     "reformatted."},
    {ids::kUnableToReadTesterInfo, "Unable to read tester information"},
    {ids::kPort, "Port"},
    {ids::kTester, "Tester"},
    {ids::kUser, "User"},
    {ids::kIdentifyingTester, "Identifying the connected tester"},
    {ids::kNewerVersionNeeded,
     "In order to get the whole data of TORVIK, you need to install a newer version of Quillet"},
    {ids::kVersion, "Version"},
    {ids::kAppTitleFramework, "Quillet"},
};

}  // namespace

const char *resourceString(int id) {
    for (const auto &entry : kStrings) {
        if (entry.id == id) return entry.text;
    }
    return "";
}

std::string formatResource(int id, const std::string &first, const std::string &second) {
    const std::string text = resourceString(id);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? first : second;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace quillet
