// Style folders and the style catalogue.
#include "StyleArt.h"

namespace assetgen {

namespace {

IniText styleIni(const StyleDesign& style) {
    IniText ini;
    ini.section("Cells");
    ini.set("CellActiveMap", CellActiveFile);
    ini.set("CellHandleMap", CellClueFile);
    ini.set("CellUnusedMap", CellUnusedFile);
    ini.section("Fonts");
    ini.set("FontActive", style.activeFont.name + ".ini");
    ini.set("FontHandle", style.clueFont.name + ".ini");
    ini.set("FontLocked", style.fixedFont.name + ".ini");
    ini.set("FontActiveSize", style.activeSize);
    ini.set("FontActiveSizePV", style.markSize);
    ini.set("FontHandleSize", style.clueSize);
    ini.set("FontLockedSize", style.fixedSize);
    ini.set("FontActiveItalic", style.activeItalic);
    ini.set("FontHandleItalic", style.clueItalic);
    ini.set("FontLockedItalic", style.fixedItalic);
    ini.set("FontActiveShadow", style.activeFont.shadow.enabled);
    ini.set("FontHandleShadow", style.clueFont.shadow.enabled);
    ini.set("FontLockedShadow", style.fixedFont.shadow.enabled);
    ini.set("FontActiveColor", style.activeColour);
    ini.set("FontActiveColorUnCorrect", style.wrongColour);
    ini.set("FontActiveColorPVSelect", style.markSelectColour);
    ini.set("FontHandleColor", style.clueColour);
    ini.set("FontLockedColor", style.fixedColour);
    return ini;
}

}  // namespace

std::vector<StyleDesign> shippedStyles() { return {classicStyle(), paperStyle(), nightStyle()}; }

void writeStyle(Output& output, const FontFaces& faces, const StyleDesign& style) {
    std::string folder = "Data/Styles/" + style.name;
    output.writeDds(folder + "/" + CellActiveFile, cellTexture(style.activeCell), Tinting::Coloured);
    output.writeDds(folder + "/" + CellClueFile, cellTexture(style.clueCell), Tinting::Coloured);
    output.writeDds(folder + "/" + CellUnusedFile, cellTexture(style.unusedCell), Tinting::Coloured);
    writeDigitFont(output, faces, folder, style.activeFont);
    writeDigitFont(output, faces, folder, style.clueFont);
    writeDigitFont(output, faces, folder, style.fixedFont);
    output.writeIni(folder + "/Style.ini", styleIni(style));
}

void writeStyles(Output& output, const FontFaces& faces) {
    std::vector<StyleDesign> styles = shippedStyles();
    IniText catalogue;
    catalogue.section("Styles");
    catalogue.set("Count", static_cast<int>(styles.size()));
    for (size_t i = 0; i < styles.size(); ++i) {
        writeStyle(output, faces, styles[i]);
        catalogue.set(std::to_string(i), styles[i].name);
    }
    output.writeIni("Data/Styles/VisualStyles.ini", catalogue);
}

}  // namespace assetgen
