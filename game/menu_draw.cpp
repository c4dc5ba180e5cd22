// What the menu's pages show over the backdrop.
#include "menu.h"

#include "menu_texts.h"
#include "player_table.h"

namespace {

// Where the texts begin: below the title painted on the backdrops.
constexpr int kTopPercent = 30;

}  // namespace

void Menu::Draw()
{
    if (!host_.device || !host_.device->BeginFrame(camera_)) return;
    int w = 0, h = 0;
    host_.device->GetViewport(&w, &h);
    if (host_.text) DrawTexts(w, h);
    host_.device->EndFrame();
}

void Menu::DrawTexts(int w, int h)
{
    const int top = h * kTopPercent / 100;
    switch (page_) {
    case kMain: {
        KString items[kMainItems];
        for (int i = 0; i < kMainItems; ++i) items[i] = MenuTexts::kMainItems[i];
        DrawItems(items, kMainItems, selection_, top);
        break;
    }
    case kPlayers: {
        KString names[PlayerTable::kPlayers];
        for (int i = 0; i < PlayerTable::kPlayers; ++i)
            names[i] = host_.players ? host_.players->GetPlayerName(i) : KString();
        DrawItems(names, PlayerTable::kPlayers, selection_, top);
        break;
    }
    case kLevels: DrawLevels(w, h); break;
    case kHighScores: DrawHighScores(w, h); break;
    case kHelp: DrawHelp(w, h); break;
    case kCredits: DrawCredits(w, h); break;
    default: break;  // the backdrop says it all
    }
}

void Menu::DrawItems(const KString* items, int count, int selected, int top)
{
    int w = 0, h = 0;
    host_.device->GetViewport(&w, &h);
    const int step = host_.text->FontHeight(3);
    for (int i = 0; i < count; ++i)
        host_.text->DrawText(3, items[i], RunRect{0, top + i * step, w, h}, kTextCentre,
                             kTextPalette[i == selected ? 2 : 0]);
}

void Menu::DrawLevels(int w, int h)
{
    RunTextSink& text = *host_.text;
    int y = h * kTopPercent / 100;
    text.DrawText(2, name_, RunRect{0, y, w, h}, kTextCentre, kTextPalette[1]);
    y += text.FontHeight(2) * 3 / 2;
    if (difficulty_ >= 0 && difficulty_ <= 2)
        text.DrawText(3, MenuTexts::kDifficulties[difficulty_], RunRect{0, y, w, h}, kTextCentre, kTextPalette[2]);
    y += text.FontHeight(3) * 3 / 2;
    KString line;
    line.Format("Level %d of %d\nLevel Completed : %s", selection_ + 1, LevelCount(difficulty_),
                selection_ < GetProgress(difficulty_) ? "Yes" : "No");
    text.DrawText(2, line, RunRect{0, y, w, h}, kTextCentre, kTextPalette[0]);
}

void Menu::DrawHighScores(int w, int h)
{
    RunTextSink& text = *host_.text;
    int y = h * kTopPercent / 100;
    KString line;
    line.Format("Level %d", (selection_ < 0 ? 0 : selection_) + 1);
    text.DrawText(3, line, RunRect{0, y, w, h}, kTextCentre, kTextPalette[1]);
    y += text.FontHeight(3) * 3 / 2;

    // Three columns: names to the left, gems in the middle, times to the right.
    const RunRect names{w * 15 / 100, y, w * 50 / 100, h};
    const RunRect gems{w * 50 / 100, y, w * 62 / 100, h};
    const RunRect times{w * 62 / 100, y, w * 85 / 100, h};
    text.DrawText(2, "Names", names, kTextLeft, kTextPalette[2]);
    text.DrawText(2, "Gems", gems, kTextCentre, kTextPalette[2]);
    text.DrawText(2, "Times", times, kTextRight, kTextPalette[2]);
    if (scores_.empty()) return;

    KString nameColumn, gemColumn, timeColumn;
    for (size_t i = 0; i < scores_.size(); ++i) {
        if (i > 0) nameColumn.Append("\n"), gemColumn.Append("\n"), timeColumn.Append("\n");
        nameColumn.Append(scores_[i].name.c_str());
        line.Format("%d", scores_[i].gems);
        gemColumn.Append(line.c_str());
        timeColumn.Append(timeFormat_.Text(scores_[i].time * 10).c_str());
    }
    const int below = text.FontHeight(2) * 3 / 2;
    text.DrawText(2, nameColumn, RunRect{names.left, y + below, names.right, h}, kTextLeft, kTextPalette[0]);
    text.DrawText(2, gemColumn, RunRect{gems.left, y + below, gems.right, h}, kTextCentre, kTextPalette[0]);
    text.DrawText(2, timeColumn, RunRect{times.left, y + below, times.right, h}, kTextRight, kTextPalette[0]);
}

void Menu::DrawHelp(int w, int h)
{
    if (selection_ < 0 || selection_ >= kHelpPages) return;
    RunTextSink& text = *host_.text;
    const MenuTexts::HelpPage& page = MenuTexts::kHelp[selection_];
    int y = h * kTopPercent / 100;
    text.DrawText(5, page.title, RunRect{0, y, w, h}, kTextCentre, kTextPalette[1]);
    y += text.FontHeight(5) * 3 / 2;
    const int margin = w / 10;
    text.DrawText(2, page.text, RunRect{margin, y, w - margin, h}, kTextWrapCentre, kTextPalette[0]);
    // Room for up to five wrapped lines of the text.
    y += text.FontHeight(2) * 6;
    text.DrawText(2, MenuTexts::kContinue, RunRect{0, y, w, h}, kTextCentre, kTextPalette[2]);
}

void Menu::DrawCredits(int w, int h)
{
    RunTextSink& text = *host_.text;
    // Two columns of three headings, each with its names under it.
    const int top = h * kTopPercent / 100;
    const int step = text.FontHeight(3) + text.FontHeight(2) * 3 / 2;
    constexpr int kRows = 3;
    for (int i = 0; i < 6; ++i) {
        const MenuTexts::CreditsEntry& entry = MenuTexts::kCredits[i];
        const int left = i < kRows ? 0 : w / 2, right = i < kRows ? w / 2 : w;
        const int y = top + (i % kRows) * step;
        text.DrawText(3, entry.heading, RunRect{left, y, right, h}, kTextCentre, kTextPalette[2]);
        text.DrawText(2, entry.names, RunRect{left, y + text.FontHeight(3), right, h}, kTextCentre, kTextPalette[0]);
    }
    const int bottom = h - h / 50 - text.FontHeight(1);
    text.DrawPlainText(1, MenuTexts::kNotice, RunRect{0, bottom, w, h}, kTextCentre, kTextPalette[1]);
}
