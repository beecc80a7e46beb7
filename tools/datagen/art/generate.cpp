// GenerateArt: the palette, the fonts, both sprite files, the backgrounds, the pictures and the
// trigonometry table.
#include <filesystem>

#include "gamemode/sprite_ids.h"
#include "tools/datagen/art/backgrounds.h"
#include "tools/datagen/art/draw.h"
#include "tools/datagen/art/fonts.h"
#include "tools/datagen/art/trig.h"
#include "tools/datagen/art/write.h"
#include "tools/datagen/datagen.h"

namespace {

// The game palette's own file: a swatch of its 256 colours.
bool WriteGamePalette(const std::string& path)
{
    Image swatch(128, 128);
    for (int y = 0; y < 128; y++)
        for (int x = 0; x < 128; x++) swatch.px[size_t(y) * 128 + x] = uint8_t((y / 8) * 16 + x / 8);
    return WritePcx(path, swatch, GamePalette());
}

bool WriteGameSprites(const std::string& path)
{
    // In the order of their type numbers.
    std::vector<SpriteTypeArt> types(GT_COUNT);
    types[GT_EXIT_DIALOG] = DrawExitDialogType();
    types[GT_PAD] = DrawPadType();
    types[GT_BALLS] = DrawBallType();
    types[GT_FRAME] = DrawFrameType();
    types[GT_BLOCKS] = DrawBlockType();
    types[GT_MESSAGES] = DrawMessageType();
    types[GT_GAME_OVER] = DrawGameOverType();
    types[GT_ENEMIES] = DrawEnemyType();
    types[GT_POWERUPS] = DrawCapsuleType();
    types[GT_TURN_MARKER] = DrawTurnMarkerType();
    types[GT_ATOM] = DrawAtomType();
    types[GT_PARTICLES] = DrawParticleType();
    types[GT_BULLETS] = DrawBulletType();
    types[GT_NOTIFY] = DrawNotifyType();
    types[GT_SPARE_14] = DrawSpareType(GT_SPARE_14);
    types[GT_PAD_PIECES] = DrawPadPieceType();
    types[GT_SPARE_16] = DrawSpareType(GT_SPARE_16);
    types[GT_SPARKLE] = DrawSparkleType();
    return WriteSpriteFile(path, types, {});
}

bool WriteMenuSprites(const std::string& path)
{
    std::vector<SpriteTypeArt> types(MT_COUNT);
    types[MT_EXIT_DIALOG] = DrawExitDialogType();
    types[MT_MENU_ITEMS] = DrawMenuItemType();
    types[MT_PROMPT] = DrawPromptType();
    return WriteSpriteFile(path, types, {});
}

bool WriteFonts(const std::string& path)
{
    std::vector<FontArt> fonts = DrawFonts();
    if (!FontsComplete(fonts)) return false;
    return WriteSpriteFile(path, {}, fonts);
}

bool WriteBackgrounds(const std::string& dir)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    bool ok = !ec;
    for (size_t i = 0; ok && i < kBackgroundNames.size(); i++)
        ok = WritePcx(dir + "/" + kBackgroundNames[i], Quantise(DrawBackground(int(i)), GamePalette(), true), GamePalette());
    return ok;
}

bool WritePicture(const std::string& path, const Picture& pic)
{
    return WriteBmp(path, Quantise(pic.art, *pic.palette, pic.dither, pic.sharp.empty() ? nullptr : &pic.sharp), *pic.palette);
}

}  // namespace

bool GenerateArt(const std::string& dir)
{
    return WriteGamePalette(dir + "/GamePal.pcx") && WriteFonts(dir + "/GFonts.qsl") &&
           WriteGameSprites(dir + "/ZQGame.qsl") && WriteMenuSprites(dir + "/ZQMenu.qsl") &&
           WriteBackgrounds(dir + "/Backs") && WritePicture(dir + "/Skarvo8.bmp", DrawPublisherSplash()) &&
           WritePicture(dir + "/Mrv64_48.bmp", DrawDeveloperSplash(0)) &&
           WritePicture(dir + "/Mrv64_58.bmp", DrawDeveloperSplash(1)) &&
           WritePicture(dir + "/Mrv64_68.bmp", DrawDeveloperSplash(2)) &&
           WritePicture(dir + "/MainMenu.bmp", DrawMainMenuPicture()) &&
           WritePicture(dir + "/help18.bmp", DrawHelpControlsPage()) &&
           WritePicture(dir + "/help28.bmp", DrawHelpPowerUpsPage()) &&
           WritePicture(dir + "/Comp3R8.bmp", DrawCompanyPage()) && WriteTrigTable(dir + "/blkbrk.trg");
}
