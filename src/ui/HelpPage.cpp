#include "ui/HelpPage.h"

#include "ui/MultiRowTabWidget.h"
#include "ui/SettingsPages.h"

#include <QEvent>

namespace rukcon::ui {

namespace {

// Room left between the page frame's edge and the text.
constexpr int kInset = 3;

} // namespace

HelpPage::HelpPage(MultiRowTabWidget* tabs) : QTextBrowser(tabs->page(kHelpTab)), m_tabs(tabs)
{
    setObjectName("HelpText");
    setReadOnly(true);
    setOpenLinks(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(6);
    // Pages follow the tab control's size; the text follows its page.
    parentWidget()->installEventFilter(this);
    placeInPageFrame();
}

bool HelpPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        placeInPageFrame();
    return QTextBrowser::eventFilter(watched, event);
}

void HelpPage::showEvent(QShowEvent* event)
{
    if (document()->isEmpty())
        setHtml(helpHtml());
    QTextBrowser::showEvent(event);
}

void HelpPage::placeInPageFrame()
{
    // Pages count from the tab control's top-left, tab rows included; the frame starts below the rows.
    const QRect page = parentWidget()->rect();
    const int top = m_tabs->rowsBottom();
    setGeometry(QRect(page.left() + kInset, top + kInset, page.width() - 2 * kInset, page.height() - top - 2 * kInset));
}

QString HelpPage::helpHtml()
{
    return QStringLiteral(
        "<h3>RUKコンでできること</h3>"
        "<p>ゲームコントローラー(ジョイスティック・ゲームパッド)のボタンやスティックを押している間、"
        "その入力に割り当てたキーを、選んだソフトに送ります。キーボードでしか操作できないソフトも"
        "コントローラーで動かせます。ふだんは通知領域(トレイ)のアイコンとして動いています。</p>"

        "<h3>キーの割り当て</h3>"
        "<p>「第01ボタン」～「第10ボタン」のタブがコントローラーのボタン1～10、「←ボタン」「→ボタン」"
        "「↑ボタン」「↓ボタン」のタブがスティックの方向です。どのタブにもキーの欄が三つあり、入力を"
        "押している間、上の欄から順にキーを押します。「なし」の欄は何も押しません。</p>"
        "<p>SHIFT、CONTROL、alt を選んだ欄は、そのキーを押したままにして、後の欄のキーを押します"
        "(例: 一つ目に SHIFT、二つ目に -A- で Shift+A)。押し終わると SHIFT・CONTROL・alt は離されます。</p>"
        "<p>「動作確認」でコントローラーの絵が出て、押している入力のボタンの色が変わります。絵のボタンを"
        "クリックすると、その入力のタブが開きます。</p>"

        "<h3>キーを送るソフトとアクティブキー</h3>"
        "<p>「名前・保存」タブの「コントロールしたいソフトのキャプションの一部」に、キーを送りたいソフトの"
        "ウィンドウのタイトル(キャプション)の一部を入れます。リストには今起動しているソフトのタイトルが"
        "並びます。キーは、タイトルにこの文字を含むウィンドウを前に出してから送ります。そのウィンドウが"
        "ないときはキーを送らず、警告音が鳴ります。「コントロールしたいソフト名」は自由につけられる名前です。</p>"
        "<p>「アクティブ設定」タブで選んだキーがアクティブキーです。一つ目の欄にこのキーを割り当てた入力を"
        "押すと、そのキーは送らずに、キーを送るソフトを前に出します。</p>"

        "<h3>反応時間と矢印の反応倍率</h3>"
        "<p>「反応時間」タブの反応時間(50～1000、1/1000秒単位)ごとにコントローラーを読み、押されている入力の"
        "キーを送ります。小さいほど速く繰り返します。矢印の反応倍率(1～10)は、スティックの方向のキーを"
        "1回読むごとに何回送るかです。</p>"

        "<h3>メニューとトレイ</h3>"
        "<p>「保存」で今の設定をメニューに追加します(12件まで)。「メニュー」タブで名前を左ボタンで押すと"
        "その設定に切り替わり、右ボタンで押すと削除します。</p>"
        "<p>トレイのアイコンを右クリックするとメニューが開きます。動作チェック、一時停止、ソフトをアクティブに"
        "する、ユーザーメニューを開く、メニューに登録した設定への切り替え、前回の終了時に戻す、ユーザー"
        "デフォルトにする、初期状態にする、終了が選べます。ウィンドウを最小化するか閉じると、トレイに戻ります。</p>"
        "<p>トレイのメニューの「自動切替」にチェックを入れると、ほかのソフトのウィンドウに切り替えたとき、"
        "メニューに登録した設定のうち、キャプションの一部がそのウィンドウのタイトルに含まれる最初の設定に"
        "自動で切り替わります(大文字と小文字は区別します)。切り替えても音は鳴らず、一時停止もそのままで、"
        "切り替えた設定の名前が表示されます。今の設定のキャプションの一部がタイトルに含まれているとき、設定の"
        "最中(設定画面を開いているとき)、このソフトのウィンドウでは切り替わりません。ウィンドウマネージャーが"
        "アクティブなウィンドウを知らせない環境では選べません。チェックの状態は「自動切替.txt」に保存します。</p>"

        "<h3>ボタンの配置</h3>"
        "<p>「他設定」タブの「コントローラーのボタンの位置の設定」で、絵のボタンをドラッグして動かせます。"
        "線より上に置いたボタンは横長になります。「決定」で保存します。「ボタンを消す」にチェックを入れて"
        "「決定」を押すと、次にクリックしたボタンが消えます。「初期状態にもどす。」で全部元に戻ります。</p>"

        "<h3>設定の保存場所</h3>"
        "<p>設定は、このソフトと同じフォルダにある「設定」フォルダに保存します(前回終了時の状態、ユーザー"
        "デフォルト、メニュー、ウィンドウのサイズと位置、ボタンの配置、自動切替)。メニューから削除した設定は、その中の"
        "「過去の設定」フォルダに日時付きの名前で残ります。設定ファイルをウィンドウにドロップすると読み込めます。"
        "このソフトのフォルダに書き込めないときは ~/.config/rukcon/設定 を使います。</p>");
}

} // namespace rukcon::ui
