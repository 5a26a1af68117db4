#include "ending/ending.h"

#include "core/game.h"
#include "state/numbers.h"

namespace zentar {
namespace {

constexpr const char16_t* kLines[kEndingLines] = {
    u"「ついにやった･･･ 　ついにやったんだ･･･  復讐を果たしたんだ･･･",
    u"「ふふふ･･････   ふはははははは！   憎たらしい国をやっつけたんだ･･･････",
    u"こうしてあなたは復讐を無事果たすことが出来たのでした････          ん？",
    u"お嬢様「あなたはこの地球を救ってくれたのですね････   今まで、勘違いしてましたわ･･･",
    u"単純人間「ほう･･･  そうだったのか････  その資金稼ぎのために･･･",
    u"企業戦士「どうりで我々より強いわけだ･･･",
    u"ヤーさん「われの根性に俺らは度肝を抜かれたわい！！",
    u"男の中の男「お前こそ、真の男の中の男の中の男だあーーー！！",
    u"ゾンビ「ただ、食われに来たんじゃなかったんだなー",
    u"体育会系少女「あなたって･････    実は男らしいのねー････    ステキだわ･･･",
    u"チャネラー「ううう･････ まさか恐怖の大王をやっつけるとは････",
    u"合体スラ「ゲボゲボップ ゲボゲボー（素晴らしいわねー、あなたの勇気･･･ の意味）",
    u"くノ一「我々をあなたの弟子にさせてくださらぬか？  お主が気に入ってしまったようだ･･･",
    u"こじら「ギャオーン！（エクセレーーーーーント！ の意味）",
    u"「･････待ってくれよ････  ちょ････ちょっと･･･    ",
    u"でも待てよ････   ここでヒーローになるのも悪くないな･･･",
    u"「はっはっはっは！！   ばれたらしかたがないなあ！ ",
    u"･･･････････とまあ、円満に解決したそうな･･････",
    u"プログラム・絵・文　ゼンタル制作委員会　1998",
    u"     THE  END！！",
};

constexpr int kExtraTicks = 40;

}  // namespace

QString endingLine(int k) {
    return k >= 0 && k < kEndingLines ? QString::fromUtf16(kLines[k]) : QString();
}

QString rankText(std::int32_t day) {
    if (day < 500) return QStringLiteral("   A　４９９日以下");
    if (day < 1500) return QStringLiteral("   B　５００－１４９９日");
    if (day < 3000) return QStringLiteral("   C　１５００－２９９９日");
    return QStringLiteral("   D　３０００日以上");
}

Form8::Form8(Game& game) : Screen(game) {
    Label1 = at<Label>(810, 480, 4995, 495);
    Label1.Caption = QStringLiteral("ＹＯＵＲ　ＷＩＮＮＥＲ！！");
    Image1 = at<Picture>(2160, 480, 2175, 2655);
    Image1.picture = PictureId::Ending;
    Label2 = at<Label>(720, 3360, 4935, 2055);
    Label2.ForeColor = {255, 255, 255};
    Label3 = at<Label>(720, 5400, 4935, 300);
    Label3.ForeColor = {255, 255, 255};
    Label3.Caption = QStringLiteral("RANK");
    Timer1 = {20, true};
}

void Form8::Form_Load() {
    lineCounter = 0;
    YMI();
    RNK();
}

std::vector<TimerHook> Form8::timers() {
    return {{&Timer1, [this] { Timer1_Timer(); }}};
}

void Form8::YMI() {
    const std::int32_t k = lineCounter;
    lineCounter = satAdd(lineCounter, 1);
    if (k >= 0 && k < kEndingLines) currentLine = endingLine(k);
    lineTicks = static_cast<std::int32_t>(currentLine.size()) + kExtraTicks;
    typePosition = 1;
    Label2.Caption.clear();
}

void Form8::QueryUnload() {
    g.Unload(ScreenId::Ending);
}

void Form8::RNK() {
    Label3.Caption = QStringLiteral("RANK") + rankText(g.st.day);
}

void Form8::Timer1_Timer() {
    const double r1 = g.random.next(), r2 = g.random.next(), r3 = g.random.next();
    Label1.ForeColor = {truncate(r1 * 255), truncate(r2 * 255), truncate(r3 * 255)};
    if (typePosition < lineTicks) {
        Label2.Caption = currentLine.left(typePosition);
        typePosition += 1;
    } else {
        YMI();
    }
    if (lineCounter > kEndingLines) g.End();
}

}  // namespace zentar
