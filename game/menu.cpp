// The menu's pages and their keys. What each page shows is in menu_draw.cpp.
#include "menu.h"

#include "level_file.h"
#include "player_table.h"
#include "score_table.h"

#include <algorithm>

namespace {

constexpr const char* kLevelFile = "level.dat";
constexpr double kCameraDistance = 600;
// Hundredths of a second: shown as milliseconds, so held below what an int holds ten times.
constexpr int kMaxShownTime = 214748364;

int BackdropOfPage(int page)
{
    switch (page) {
    case Menu::kPlayers:
    case Menu::kHelp:
    case Menu::kCredits: return Menu::kBackdropPlayers;
    case Menu::kLevels: return Menu::kBackdropLevels;
    case Menu::kHighScores: return Menu::kBackdropHighScores;
    case Menu::kStarting: return Menu::kBackdropStarting;
    case Menu::kExit: return Menu::kBackdropExit;
    default: return Menu::kBackdropMain;
    }
}

}  // namespace

Menu::Menu(const MenuHost& host)
    : host_(host), keyboard_(host.keyDown ? host.keyDown : KKeyStateSource(KSystemKeyDown),
                             host.clock ? host.clock : KMillisecondSource(KSystemMilliseconds))
{
}

void Menu::Init()
{
    if (host_.backdrops) backdrop_ = host_.backdrops->CreateBackdrop();
    SetTexture(kBackdropMain);
    camera_ = RunCamera();
    camera_.z = -kCameraDistance;
    camera_.fieldOfView = kFieldOfView;
    page_ = kMain;
    selection_ = 0;
    // A Return still held from the run counts now, so that it acts again only after a while.
    keyboard_.IsPressed(kKeyReturn, kReturnGuard);
}

void Menu::SetResult(const RunParams& params)
{
    // Only the pages a run is started from lead back; anything else returns to the main page.
    int page = params.returnPage;
    int selection = params.returnSelection;
    if (params.kind == RunParams::kLevel) {
        if (params.player < 0 || params.player >= PlayerTable::kPlayers || params.difficulty < 0 ||
            params.difficulty > 2)
            page = kMain, selection = 0;
        else {
            difficulty_ = params.difficulty;
            ChoosePlayer(params.player);
        }
    } else {
        difficulty_ = params.difficulty;
    }
    if (page == kLevels && params.kind != RunParams::kLevel) page = kMain, selection = 0;
    if (page < kMain || page >= kStarting) page = kMain, selection = 0;
    SetPage(page, selection);
    if (page_ == kLevels) selection_ = std::clamp(selection_, 0, LastOpenLevel());
    if (page_ == kHelp) selection_ = std::clamp(selection_, 0, kHelpPages - 1);
    if (page_ == kMain) selection_ = std::clamp(selection_, 0, kMainItems - 1);
    if (params.background >= 0) SetTexture(params.background);
}

bool Menu::Frame(RunParams& params)
{
    bool goOn = true;
    switch (page_) {
    case kMain: MainPage(); break;
    case kPlayers: PlayersPage(); break;
    case kLevels: goOn = LevelsPage(params); break;
    case kHighScores: HighScoresPage(); break;
    case kHelp: goOn = HelpPage(params); break;
    case kCredits:
        if (Pressed(kKeyEscape) || Pressed(kKeyReturn)) SetPage(kMain, kItemCredits);
        break;
    case kExit:
        if ((Pressed(kKeyEscape) || Pressed(kKeyReturn)) && host_.quit) host_.quit();
        break;
    default: break;
    }
    if (!goOn) return StartRun();
    Draw();
    return true;
}

void Menu::MainPage()
{
    if (Pressed(kKeyEscape)) {
        SetPage(kExit, 0);
        return;
    }
    if (Pressed(kKeyUp)) selection_ = (selection_ + kMainItems - 1) % kMainItems;
    if (Pressed(kKeyDown)) selection_ = (selection_ + 1) % kMainItems;
    if (!Pressed(kKeyReturn)) return;
    switch (selection_) {
    case kItemPlayers: SetPage(kPlayers, 0); break;
    case kItemHighScores: SetPage(kHighScores, -1); break;
    case kItemHelp: SetPage(kHelp, 0); break;
    case kItemCredits: SetPage(kCredits, 0); break;
    default: SetPage(kExit, 0); break;
    }
}

void Menu::PlayersPage()
{
    if (Pressed(kKeyEscape)) {
        SetPage(kMain, kItemPlayers);
        return;
    }
    if (Pressed(kKeyUp)) selection_ = std::max(0, selection_ - 1);
    if (Pressed(kKeyDown)) selection_ = std::min(PlayerTable::kPlayers - 1, selection_ + 1);
    EditName(selection_);
    if (!Pressed(kKeyReturn)) return;
    ChoosePlayer(selection_);
    difficulty_ = 1;
    SetPage(kLevels, 0);
}

void Menu::EditName(int player)
{
    if (!host_.players) return;
    PlayerTable& players = *host_.players;
    KString name = players.GetPlayerName(player);
    bool changed = false;
    for (int i = 0; i < 26; ++i)
        if (Pressed(kKeyA + i)) name.AppendChar(static_cast<char>('A' + i)), changed = true;
    for (int i = 0; i < 10; ++i) {
        if (Pressed(kKeyDigit0 + i)) name.AppendChar(static_cast<char>('0' + i)), changed = true;
        if (Pressed(kKeyNumpad0 + i)) name.AppendChar(static_cast<char>('0' + i)), changed = true;
    }
    if (Pressed(kKeySpace)) name.AppendChar(' '), changed = true;
    if (Pressed(kKeyBackspace) && name.Length() > 0) name.Delete(name.Length() - 1, 1), changed = true;
    if (changed) players.SetPlayerName(player, name.c_str());
    if (Pressed(kKeyDelete)) players.ResetPlayer(player);
}

bool Menu::LevelsPage(RunParams& params)
{
    if (Pressed(kKeyEscape)) {
        SetPage(kMain, kItemPlayers);
        return true;
    }
    if (Pressed(kKeyLeft)) selection_ = std::max(0, selection_ - 1);
    if (Pressed(kKeyRight) && selection_ < LastOpenLevel()) ++selection_;
    bool changed = false;
    if (Pressed(kKeyUp) && difficulty_ < 2) ++difficulty_, changed = true;
    if (Pressed(kKeyDown) && difficulty_ > 0) --difficulty_, changed = true;
    if (changed) selection_ = std::min(selection_, LastOpenLevel());
    if (!Pressed(kKeyReturn)) return true;
    FillLevel(params);
    return false;
}

void Menu::HighScoresPage()
{
    if (Pressed(kKeyEscape) || Pressed(kKeyReturn)) {
        SetPage(kMain, kItemHighScores);
        return;
    }
    if (selection_ < 0) selection_ = 0;
    if (Pressed(kKeyLeft)) selection_ = std::max(0, selection_ - 1);
    if (Pressed(kKeyRight)) selection_ = std::min(ScoreTable::kLevels - 1, selection_ + 1);
    if (selection_ != scoresLevel_) ReadScores(selection_);
}

bool Menu::HelpPage(RunParams& params)
{
    if (Pressed(kKeyEscape)) {
        SetPage(kMain, kItemHelp);
        return true;
    }
    if (!Pressed(kKeyReturn)) return true;
    if (selection_ >= 1 && selection_ <= LevelFile::kLessons) {
        FillLesson(params, selection_);
        return false;
    }
    if (selection_ + 1 >= kHelpPages)
        SetPage(kMain, kItemHelp);
    else
        ++selection_;
    return true;
}

bool Menu::StartRun()
{
    SetPage(kStarting, 0);
    Draw();
    return false;
}

void Menu::SetPage(int page, int selection)
{
    page_ = page;
    selection_ = selection;
    if (page == kHighScores) scoresLevel_ = -1;
    SetTexture(BackdropOfPage(page));
}

void Menu::SetTexture(int texture)
{
    texture_ = texture;
    if (backdrop_) backdrop_->SetTexture(texture);
}

void Menu::ChoosePlayer(int index)
{
    player_ = index;
    name_.Empty();
    for (int d = 0; d < 3; ++d) progress_[d] = 0;
    if (!host_.players) return;
    name_ = host_.players->GetPlayerName(index);
    for (int d = 0; d < 3; ++d) progress_[d] = host_.players->GetPlayerProgress(index, d);
}

int Menu::GetProgress(int difficulty) const { return difficulty >= 0 && difficulty <= 2 ? progress_[difficulty] : 0; }

int Menu::LastOpenLevel() const { return std::max(0, std::min(GetProgress(difficulty_), LevelCount(difficulty_) - 1)); }

void Menu::ReadScores(int level)
{
    scoresLevel_ = level;
    scores_.clear();
    if (!host_.scores) return;
    const int count = host_.scores->GetScoreCount(level);
    for (int i = 0; i < count; ++i)
        scores_.push_back({host_.scores->GetScoreName(level, i), host_.scores->GetScoreGems(level, i),
                           std::max(0, std::min(host_.scores->GetScoreTime(level, i), kMaxShownTime))});
}

void Menu::FillLevel(RunParams& params)
{
    params.kind = RunParams::kLevel;
    params.player = player_;
    params.playerName = name_;
    params.difficulty = difficulty_;
    params.levelIndex = selection_;
    params.replay = selection_ != GetProgress(difficulty_);
    // A missing or damaged file leaves the text empty.
    LevelFile::LoadRecord(kLevelFile, host_.key, selection_, &params.levelText);
    params.background = texture_;
    params.returnPage = kLevels;
    params.returnSelection = selection_;
}

void Menu::FillLesson(RunParams& params, int lesson)
{
    params.kind = RunParams::kLesson;
    params.player = -1;
    params.playerName.Empty();
    params.difficulty = -1;
    params.levelIndex = -1;
    params.replay = true;
    LevelFile::LoadLesson(lesson, &params.levelText);
    params.background = texture_;
    params.returnPage = kHelp;
    params.returnSelection = lesson + 1;
}
