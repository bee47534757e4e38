// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar of the main window: its buttons at their places, their glyphs, shortcuts and hints.
#include "ui/Main.h"
#include "ui/glyphs.h"

#include <iterator>

#include <QButtonGroup>
#include <QKeySequence>
#include <QShortcut>
#include <QToolButton>

namespace tangram {

namespace {

struct ButtonSpec {
    ToolButtonId id;
    const char* name;
    int left;
    int width;
    // Either a platform's standard key, or a fixed combination when that is UnknownKey.
    QKeySequence::StandardKey standard;
    QKeyCombination combination;
};

// Built on demand: standard keys can be looked up only once the application exists.
QKeySequence keyOf(const ButtonSpec& entry) {
    return entry.standard != QKeySequence::UnknownKey ? QKeySequence(entry.standard)
                                                      : QKeySequence(entry.combination);
}

// Left edges and widths keep the buttons in groups (file, categories, figure, help and settings)
// with a gap between groups; every command also has a key a desktop player expects.
const ButtonSpec kButtons[] = {
    {ToolButtonId::Newgame, "NewgameBtn", 4, 25, QKeySequence::New, {}},
    {ToolButtonId::Load, "LoadBtn", 32, 25, QKeySequence::Open, {}},
    {ToolButtonId::Save, "SaveBtn", 60, 25, QKeySequence::Save, {}},
    {ToolButtonId::Stat, "StatBtn", 88, 25, QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_T},
    {ToolButtonId::Exit, "ExitBtn", 116, 25, QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_Q},
    {ToolButtonId::Humans, "HumansBtn", 148, 25, QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_1},
    {ToolButtonId::Animals, "AnimBtn", 172, 25, QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_2},
    {ToolButtonId::Tools, "ToolBtn", 196, 25, QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_3},
    {ToolButtonId::Buildings, "BuildBtn", 220, 25, QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_4},
    {ToolButtonId::Figures, "FigBtn", 244, 25, QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_5},
    {ToolButtonId::Twins, "TwinBtn", 268, 25, QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_6},
    {ToolButtonId::Convex, "KonvBtn", 292, 25, QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_7},
    {ToolButtonId::Letters, "ABCBtn", 316, 25, QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_8},
    {ToolButtonId::Select, "SelectBtn", 348, 25, QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_F},
    {ToolButtonId::Up, "UpBtn", 376, 25, QKeySequence::UnknownKey, Qt::Key_PageDown},
    {ToolButtonId::Down, "DownBtn", 400, 25, QKeySequence::UnknownKey, Qt::Key_PageUp},
    {ToolButtonId::Tip, "TipBtn", 428, 25, QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_H},
    {ToolButtonId::Sound, "SoundBtn", 460, 25, QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_M},
    {ToolButtonId::Tongue, "TongueBtn", 488, 25, QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_L},
    {ToolButtonId::Rules, "RulesBtn", 517, 25, QKeySequence::UnknownKey, Qt::Key_F1},
    {ToolButtonId::Info, "InfoBtn", 545, 24, QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_I},
    {ToolButtonId::Web, "WebBtn", 573, 30, QKeySequence::UnknownKey,
     Qt::CTRL | Qt::SHIFT | Qt::Key_W},
};

int toolbarRowWidth() {
    const ButtonSpec& last = kButtons[std::size(kButtons) - 1];
    return last.left + last.width + 4;
}

// Where the second row starts on a window too narrow for one: at the figure buttons.
constexpr ToolButtonId kSecondRowFirst = ToolButtonId::Select;

} // namespace

int TMainform::layoutToolbar() {
    // One row as designed while it fits; a narrow window (a small screen, a large scale) gets two
    // rows, so that every button stays on the screen.
    const bool twoRows = width() < toolbarRowWidth();
    int shift = 0;
    for (const ButtonSpec& entry : kButtons) {
        if (twoRows && entry.id == kSecondRowFirst) {
            shift = entry.left - kButtons[0].left;
        }
        const int row = twoRows && shift > 0 ? 1 : 0;
        toolButton(entry.id)->move(entry.left - shift, 4 + row * kToolPanelHeight);
    }
    const int height = twoRows ? 2 * kToolPanelHeight : kToolPanelHeight;
    m_toolPanel->setGeometry(0, 0, width(), height);
    return height;
}

void TMainform::buildToolbar() {
    m_toolPanel = new QWidget(this);
    m_toolPanel->setObjectName(QStringLiteral("ToolPanel"));
    m_toolPanel->setAutoFillBackground(true);
    m_toolPanel->setGeometry(0, 0, width(), 33);
    m_categoryGroup = new QButtonGroup(this);
    m_categoryGroup->setExclusive(true);
    for (const ButtonSpec& entry : kButtons) {
        auto* button = new QToolButton(m_toolPanel);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setAutoRaise(true);
        button->setGeometry(entry.left, 4, entry.width, 25);
        button->setIcon(toolGlyph(entry.id));
        button->setIconSize(QSize(21, 21));
        button->setShortcut(keyOf(entry));
        button->setFocusPolicy(Qt::NoFocus);
        m_buttons[static_cast<int>(entry.id)] = button;
    }
    for (int c = 0; c < kCategoryCount; ++c) {
        QToolButton* button =
            toolButton(static_cast<ToolButtonId>(static_cast<int>(ToolButtonId::Humans) + c));
        button->setCheckable(true);
        m_categoryGroup->addButton(button, c);
        connect(button, &QToolButton::clicked, this, [this, c] { m_session.changeCategory(c); });
    }
    QToolButton* sound = toolButton(ToolButtonId::Sound);
    sound->setCheckable(true);
    connect(sound, &QToolButton::toggled, this, [this](bool on) {
        m_session.setSoundOn(on);
        m_sounds.setEnabled(on);
    });

    auto wire = [this](ToolButtonId id, auto handler) {
        connect(toolButton(id), &QToolButton::clicked, this, handler);
    };
    auto command = [this](ToolButtonId id, void (GameSession::*handler)()) {
        connect(toolButton(id), &QToolButton::clicked, this, [this, handler] {
            (m_session.*handler)();
        });
    };
    command(ToolButtonId::Newgame, &GameSession::newGame);
    command(ToolButtonId::Load, &GameSession::load);
    command(ToolButtonId::Save, &GameSession::save);
    command(ToolButtonId::Up, &GameSession::next);
    command(ToolButtonId::Down, &GameSession::previous);
    command(ToolButtonId::Tip, &GameSession::help);
    wire(ToolButtonId::Exit, &TMainform::close);
    wire(ToolButtonId::Stat, &TMainform::StatBtnClick);
    wire(ToolButtonId::Select, &TMainform::SelectBtnClick);
    wire(ToolButtonId::Tongue, &TMainform::TongueBtnClick);
    // "Save as" has no button of its own: the save button asks for a file only while none is
    // chosen, so the usual key lets the player move the progress to another file.
    auto* saveAs = new QShortcut(QKeySequence::SaveAs, this);
    connect(saveAs, &QShortcut::activated, this, [this] { m_session.saveAs(); });
    wire(ToolButtonId::Rules, &TMainform::rules);
    wire(ToolButtonId::Info, &TMainform::info);
    wire(ToolButtonId::Web, &TMainform::WebBtnClick);
}

void TMainform::SetHints() {
    for (const ButtonSpec& entry : kButtons) {
        QToolButton* button = m_buttons[static_cast<int>(entry.id)];
        const QString hint = hintText(entry.id);
        // The hint as the game words it, with the key that does the same.
        QString keys = keyOf(entry).toString(QKeySequence::NativeText);
        if (entry.id == ToolButtonId::Save) {
            keys += QStringLiteral(", ") +
                    QKeySequence(QKeySequence::SaveAs).toString(QKeySequence::NativeText);
        }
        QString tip = hint + QStringLiteral("  (") + keys + ')';
        if (entry.id == ToolButtonId::Rules) {
            tip += QStringLiteral("\n") + boardKeysHint();
        }
        button->setToolTip(tip);
        button->setStatusTip(hint);
        button->setAccessibleName(hint);
    }
    ShowTitle();
}

} // namespace tangram
