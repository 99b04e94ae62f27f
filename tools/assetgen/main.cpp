// assetgen OUTPUT_DIR [PREVIEW_DIR [ICON_DIR]]: draws every image of the game and writes
// OUTPUT_DIR/Data with the INI files that describe them, plus previews for people
// (contact-sheet.png, board-mockup.png, screens-mockup.png) in PREVIEW_DIR and the desktop icon in
// its theme sizes in ICON_DIR, when given: they stay out of the game folder. The same source always
// gives the same bytes: nothing depends on the time, the environment or the machine's font
// configuration.
#include <cstdio>
#include <string>

#include "BackdropArt.h"
#include "ContactSheet.h"
#include "FontFaces.h"
#include "IconArt.h"
#include "MainFontArt.h"
#include "MedalArt.h"
#include "Mockups.h"
#include "Output.h"
#include "PopUpArt.h"
#include "StyleArt.h"

using namespace assetgen;

namespace {

void writePreviews(Output& output, const FontFaces& faces, const MainFontInfo& mainFont,
                   const std::string& folder) {
    std::string root = folder + "/";
    if (!writeContactSheet(output, faces, root + "contact-sheet.png")) {
        output.fail("cannot write " + root + "contact-sheet.png");
    }
    if (!writeBoardMockup(output, faces, root + "board-mockup.png")) {
        output.fail("cannot write " + root + "board-mockup.png");
    }
    if (!writeScreenMockup(output, mainFont, root + "screens-mockup.png")) {
        output.fail("cannot write " + root + "screens-mockup.png");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: assetgen OUTPUT_DIR [PREVIEW_DIR [ICON_DIR]]\n");
        return 2;
    }
    FontFaces faces;
    if (!faces.ok()) {
        std::fprintf(stderr, "assetgen: %s\n", faces.error().c_str());
        return 1;
    }
    Output output(argv[1]);
    MainFontInfo mainFont = writeMainFont(output, faces);
    writeStyles(output, faces);
    writePopUps(output, faces);
    writeMedals(output);
    writePanelIcons(output);
    writeBackdrop(output);
    writeWindowIcon(output, faces);
    if (argc >= 3) writePreviews(output, faces, mainFont, argv[2]);
    if (argc == 4 && !writeThemeIcons(faces, argv[3])) output.fail(std::string("cannot write the icons in ") + argv[3]);
    for (const std::string& error : output.errors()) std::fprintf(stderr, "assetgen: %s\n", error.c_str());
    return output.errors().empty() ? 0 : 1;
}
