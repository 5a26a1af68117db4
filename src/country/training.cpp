#include "country/training.h"

#include <cmath>

#include "core/game.h"
#include "state/numbers.h"

namespace zentar {

Form4::Form4(Game& game) : Screen(game) {
    Label1[2] = at<Label>(120, 120, 1575, 255);
    Label1[2].Caption = QStringLiteral("何を成長させるか");
    NAIYO = at<ComboBox>(120, 360, 2415, 300);
    NAIYO.List = {QStringLiteral("1生命力中心"),    QStringLiteral("2攻撃力中心"),
                  QStringLiteral("3資金稼ぎ中心"),  QStringLiteral("4素早さ中心"),
                  QStringLiteral("5全体的に"),      QStringLiteral("6目茶苦茶"),
                  QStringLiteral("7なんにもしない")};
    Label1[0] = at<Label>(120, 720, 1575, 255);
    Label1[0].Caption = QStringLiteral("何日育成するか？");
    Text1 = at<TextBox>(120, 1080, 1455, 285);
    Text1.Text = QStringLiteral("1");
    Text1.MaxLength = 6;
    Label1[1] = at<Label>(1680, 1080, 375, 255);
    Label1[1].Caption = QStringLiteral("日");
    OK = at<Button>(2040, 720, 1335, 375);
    OK.Caption = QStringLiteral("実施");
    NO = at<Button>(2040, 1200, 1335, 375);
    NO.Caption = QStringLiteral("取り消し");
}

void Form4::NAIYO_Click(int index) {
    NAIYO.ListIndex = index >= 0 && index < NAIYO.List.size() ? index : -1;
}

void Form4::Text1_Change(const QString& text) {
    Text1.Text = text.left(Text1.MaxLength);
}

void Form4::OK_Click() {
    const int mode = truncate(leadingNumber(NAIYO.Text()));
    if (mode == 0) {
        g.dialogues.message(QStringLiteral("内容を決めましょう"), Buttons::Ok, Icon::None);
        return;
    }
    g.st.kunren = mode;
    g.st.nissu = truncate(std::fabs(leadingNumber(Text1.Text)));
    NO_Click();
}

void Form4::NO_Click() {
    g.SetEnabled(ScreenId::Main, true);
    g.Unload(ScreenId::Training);
}

}  // namespace zentar
