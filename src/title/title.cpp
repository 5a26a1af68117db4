#include "title/title.h"

#include "core/game.h"
#include "state/saved_game.h"
#include "state/text.h"

namespace zentar {

QString titleCredit() {
    return QStringLiteral("(C)1998 ゼンタル制作委員会");
}

Form1::Form1(Game& game) : Screen(game) {
    Label1[0] = at<Label>(1410, 0, 3915, 600);
    Label1[0].Caption = QStringLiteral("ゼ　ン　タ　ル");
    Label1[2] = at<Label>(630, 600, 5475, 345);
    Label1[2].Caption = QStringLiteral("---目標－世界征服ヲ　スベシ　の巻---");
    Label2 = at<Label>(240, 960, 3465, 285);
    Label2.Caption = QStringLiteral("名前決定（全角１０字迄）右");
    NAM = at<TextBox>(3960, 960, 2415, 375);
    NAM.MaxLength = kNameBytes;
    Image1 = at<Picture>(120, 1320, 6375, 3615);
    Image1.picture = PictureId::Title;
    Label1[1] = at<Label>(120, 4200, 2985, 345);
    Label1[1].Caption = titleCredit();
    Label1[1].ForeColor = {255, 255, 255};
}

void Form1::Form_Load() {
    g.st.kaigyo = QStringLiteral("\r\n");
}

void Form1::NAM_Change(const QString& text) {
    NAM.Text = sjisTruncate(nameCharacters(text), kNameBytes);
}

void Form1::N1_Click() {
    const QString question =
        QStringLiteral("今までの記録が消えます") + g.st.kaigyo + QStringLiteral("よろしいですか？");
    if (g.dialogues.message(question, Buttons::YesNo, Icon::Question) != Answer::Yes) return;
    g.st.newGame(NAM.Text);
    openMainScreen();
}

void Form1::N2_Click() {
    const bool found = hasSavedGame(g.store);
    StoreMending* file = g.store.mending();
    const bool damaged = file && file->damaged();
    if (found || damaged) {
        const int missing = loadGame(g.st, g.store);  // with no key found, nothing changes
        // The first save would make the damage permanent: the player hears of it first,
        // and the file as it was stays beside the store.
        if (missing > 0 || damaged) tellDamage(missing);
    }
    if (!found) {
        // A folder where the saved game should be is why there is none: the player is told.
        const QString why = file ? file->notAFile() : QString();
        g.dialogues.message(QStringLiteral("続きのデータがありません。") +
                                (why.isEmpty() ? QString() : g.st.kaigyo + why),
                            Buttons::Ok, Icon::None);
        return;
    }
    openMainScreen();
}

void Form1::YA0_Click() {
    g.End();
}

void Form1::QueryUnload() {
    g.Unload(ScreenId::Title);
}

void Form1::tellDamage(int missing) {
    QString text =
        QStringLiteral("セーブデータが傷んでいます。") + g.st.kaigyo +
        (missing > 0
             ? QStringLiteral("%1 個のうち %2 個の値が、書かれたとおりには読めませんでした。")
                   .arg(saveKeys().size())
                   .arg(missing)
             : QStringLiteral("値はすべて読めました。"));
    StoreMending* file = g.store.mending();  // a store that is no file has nothing to copy
    const std::optional<QString> copy = file ? file->keepCopy() : QString();
    if (!copy)
        text += g.st.kaigyo + QStringLiteral("元のファイルの写しは残せませんでした。");
    else if (!copy->isEmpty())
        text += g.st.kaigyo + QStringLiteral("元のファイルは次の場所に残してあります。") +
                g.st.kaigyo + *copy;
    g.dialogues.message(text, Buttons::Ok, Icon::None);
}

void Form1::openMainScreen() {
    g.Unload(ScreenId::Title);
    g.Show(ScreenId::Main);
}

}  // namespace zentar
