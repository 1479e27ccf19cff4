<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>ActivityModel</name>
    <message>
        <source>Installed %1</source>
        <translation>%1 をインストールしました</translation>
    </message>
    <message>
        <source>%1 didn’t install</source>
        <translation>%1 をインストールできませんでした</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>%1 をアップデートしました</translation>
    </message>
    <message>
        <source>%1 didn’t update</source>
        <translation>%1 をアップデートできませんでした</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>%1 を削除しました</translation>
    </message>
    <message>
        <source>%1 wasn’t removed</source>
        <translation>%1 を削除できませんでした</translation>
    </message>
    <message>
        <source>Set up Homebrew</source>
        <translation>Homebrew をセットアップしました</translation>
    </message>
    <message>
        <source>Homebrew wasn’t set up</source>
        <translation>Homebrew をセットアップできませんでした</translation>
    </message>
    <message>
        <source>Worked through %1</source>
        <extracomment>A batch install; %1 is how many apps it held, e.g. &quot;3 apps&quot;</extracomment>
        <translation>%1 を処理しました</translation>
    </message>
    <message>
        <source>Worked through %1, not all of it</source>
        <extracomment>A batch install that left some apps out; %1 is how many apps it held, e.g. &quot;3 apps&quot;</extracomment>
        <translation>%1 を処理しました（一部のみ）</translation>
    </message>
    <message>
        <source>Reverted %1</source>
        <translation>%1 を元に戻しました</translation>
    </message>
    <message>
        <source>%1 wasn’t reverted</source>
        <translation>%1 を元に戻せませんでした</translation>
    </message>
    <message>
        <source>Put %1 back</source>
        <translation>%1 を元の場所に戻しました</translation>
    </message>
    <message>
        <source>%1 wasn’t put back</source>
        <translation>%1 を元の場所に戻せませんでした</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>実行中</translation>
    </message>
    <message>
        <source>Succeeded</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>キャンセル済み</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>拒否</translation>
    </message>
    <message>
        <source>Needs Homebrew</source>
        <translation>Homebrew が必要</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>中断</translation>
    </message>
    <message>
        <source>Homebrew</source>
        <translation>Homebrew</translation>
    </message>
    <message>
        <source>GitHub download</source>
        <translation>GitHub からダウンロード</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Read aloud for a row of Activity: %1 what was done, %2 its outcome in lower case, %3 the versions, route and time</extracomment>
        <translation>%1、%2、%3</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A row of Activity: %1 what was done, %2 its outcome</extracomment>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>ActivityView</name>
    <message>
        <source>Activity</source>
        <translation>アクティビティ</translation>
    </message>
    <message>
        <source>Show the activity of</source>
        <extracomment>Names the filter whose choices are &quot;All apps&quot; and each app&apos;s name</extracomment>
        <translation>表示するアプリ</translation>
    </message>
    <message>
        <source>Show operations that</source>
        <extracomment>Names the filter whose choices are &quot;Any outcome&quot; and each outcome, e.g. &quot;Failed&quot;</extracomment>
        <translation>表示する結果</translation>
    </message>
    <message>
        <source>Any outcome</source>
        <translation>すべての結果</translation>
    </message>
    <message>
        <source>Operations, newest first</source>
        <translation>操作（新しい順）</translation>
    </message>
    <message>
        <source>Open a row for what happened and its log lines.</source>
        <translation>行を開くと、実行内容とログの行が表示されます。</translation>
    </message>
    <message>
        <source>Nothing has been done yet.</source>
        <translation>まだ何も実行されていません。</translation>
    </message>
    <message>
        <source>Close Activity</source>
        <translation>アクティビティを閉じる</translation>
    </message>
    <message>
        <source>All apps</source>
        <translation>すべてのアプリ</translation>
    </message>
    <message>
        <source>No operation matches.</source>
        <translation>一致する操作はありません。</translation>
    </message>
</context>
<context>
    <name>AppArchiveInstaller</name>
    <message>
        <source>The download could not be prepared for unpacking.</source>
        <translation>ダウンロードを展開する準備ができませんでした。</translation>
    </message>
    <message>
        <source>There is no room to unpack the download.</source>
        <translation>ダウンロードを展開する空き容量がありません。</translation>
    </message>
</context>
<context>
    <name>AppCard</name>
    <message>
        <source>See %1 screenshots and details.</source>
        <translation>%1 のスクリーンショットと詳細を表示します。</translation>
    </message>
</context>
<context>
    <name>AppCardActionArea</name>
    <message>
        <source>Installed</source>
        <translation>インストール済み</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>利用不可</translation>
    </message>
    <message>
        <source>Open Accessibility settings</source>
        <translation>アクセシビリティ設定を開く</translation>
    </message>
    <message>
        <source>Need help opening it?</source>
        <translation>開き方がわからない場合</translation>
    </message>
    <message>
        <source>Need help opening %1?</source>
        <translation>%1 の開き方がわからない場合</translation>
    </message>
    <message>
        <source>Show the steps for opening %1 the first time.</source>
        <translation>%1 を初めて開くときの手順を表示します。</translation>
    </message>
</context>
<context>
    <name>AppCardContent</name>
    <message>
        <source>Dismiss</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Dismiss what went wrong with %1</source>
        <translation>%1 のエラーを閉じる</translation>
    </message>
    <message>
        <source>Show %1 as it is on this Mac now.</source>
        <translation>この Mac 上の %1 の現在の状態を表示します。</translation>
    </message>
    <message>
        <source>Show in log</source>
        <translation>ログで表示</translation>
    </message>
    <message>
        <source>Show what went wrong with %1 in the install log</source>
        <translation>%1 のエラーをインストールログで表示</translation>
    </message>
    <message>
        <source>Open the install log at the lines that explain what went wrong.</source>
        <translation>インストールログを、エラーの原因を示す行で開きます。</translation>
    </message>
    <message>
        <source>The free version is all you need. Pro extras are optional.</source>
        <translation>無料版で十分です。Pro の追加機能はオプションです。</translation>
    </message>
    <message>
        <source>Cancel updating %1</source>
        <translation>%1 のアップデートをキャンセル</translation>
    </message>
    <message>
        <source>Cancel installing %1</source>
        <translation>%1 のインストールをキャンセル</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Stop, and leave %1 as it is on disk.</source>
        <translation>中止して、ディスク上の %1 をそのままにします。</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Finder で表示</translation>
    </message>
    <message>
        <source>Show the app in the way of %1 in Finder</source>
        <translation>%1 の妨げになっているアプリを Finder で表示</translation>
    </message>
    <message>
        <source>Show the app already in Applications, to open it or move it to the Trash.</source>
        <translation>アプリケーションにすでにあるアプリを表示します。開くか、ゴミ箱に入れてください。</translation>
    </message>
    <message>
        <source>Refresh Homebrew</source>
        <translation>Homebrew を更新</translation>
    </message>
    <message>
        <source>Refresh Homebrew&apos;s list of apps for %1</source>
        <translation>%1 のために Homebrew のアプリ一覧を更新</translation>
    </message>
    <message>
        <source>Bring Homebrew&apos;s list of apps up to date, so it knows %1.</source>
        <translation>Homebrew のアプリ一覧を最新にして、%1 を認識できるようにします。</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Try updating %1 again</source>
        <translation>%1 のアップデートを再試行</translation>
    </message>
    <message>
        <source>Try installing %1 again</source>
        <translation>%1 のインストールを再試行</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Install %1</source>
        <translation>%1 をインストール</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>アンインストール</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>%1 をアンインストール</translation>
    </message>
    <message>
        <source>Remove %1 and its leftover files from this Mac.</source>
        <translation>%1 とその残りのデータをこの Mac から削除します。</translation>
    </message>
    <message>
        <source>Update %1 to %2</source>
        <extracomment>%1 is the app, %2 the version it is updated to</extracomment>
        <translation>%1 を %2 にアップデート</translation>
    </message>
    <message>
        <source>Install %1 %2 in place of the installed version.</source>
        <extracomment>%1 is the app, %2 the newer version</extracomment>
        <translation>インストール済みのバージョンの代わりに %1 %2 をインストールします。</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>verb: open the app</comment>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 を開く</translation>
    </message>
    <message>
        <source>Installed: %1</source>
        <extracomment>%1 is the version on this Mac</extracomment>
        <translation>インストール済み: %1</translation>
    </message>
    <message>
        <source>Setting up Homebrew…</source>
        <translation>Homebrew をセットアップ中…</translation>
    </message>
    <message>
        <source>Installed. %1 available.</source>
        <extracomment>%1 is the update button&apos;s title, e.g. &quot;Update to 2.1.0&quot;</extracomment>
        <translation>インストール済み。利用可能: %1。</translation>
    </message>
    <message>
        <source>Downloading, %1%</source>
        <translation>ダウンロード中、%1%</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>インストール済み</translation>
    </message>
</context>
<context>
    <name>AppDetailView</name>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Heading over the app&apos;s description</extracomment>
        <translation>概要</translation>
    </message>
</context>
<context>
    <name>AppIconTile</name>
    <message>
        <source>%1 icon</source>
        <extracomment>%1 is the app&apos;s name</extracomment>
        <translation>%1 のアイコン</translation>
    </message>
</context>
<context>
    <name>AppSelectBox</name>
    <message>
        <source>Select %1</source>
        <translation>%1 を選択</translation>
    </message>
    <message>
        <source>Select %1 to install it with others</source>
        <translation>%1 を選択して、ほかのアプリと一緒にインストール</translation>
    </message>
</context>
<context>
    <name>AppSetFile</name>
    <message>
        <source>The file is not a list of apps: it holds binary data, not text.</source>
        <translation>このファイルはアプリのリストではありません。テキストではなくバイナリデータが含まれています。</translation>
    </message>
    <message>
        <source>The file is empty, so it names no apps.</source>
        <translation>ファイルが空のため、アプリが 1 つも指定されていません。</translation>
    </message>
    <message>
        <source>“%1” is too large to be a list of apps.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>「%1」はアプリのリストとしては大きすぎます。</translation>
    </message>
    <message>
        <source>Could not read “%1”: it is not a file.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>「%1」を読み込めませんでした。ファイルではありません。</translation>
    </message>
    <message>
        <source>Could not read “%1”: %2.</source>
        <extracomment>%1 is a file name, %2 why it could not be read.</extracomment>
        <translation>「%1」を読み込めませんでした：%2。</translation>
    </message>
    <message>
        <source>Could not save “%1”: %2.</source>
        <extracomment>%1 is a file name, %2 why it could not be saved.</extracomment>
        <translation>「%1」を保存できませんでした：%2。</translation>
    </message>
</context>
<context>
    <name>AppSetTransfer</name>
    <message>
        <source>Export my apps…</source>
        <extracomment>The File menu item that saves the installed apps to a Brewfile.</extracomment>
        <translation>自分のアプリを書き出す…</translation>
    </message>
    <message>
        <source>Install from file…</source>
        <extracomment>The File menu item that installs the apps listed in a Brewfile.</extracomment>
        <translation>ファイルからインストール…</translation>
    </message>
    <message>
        <source>Export my apps</source>
        <translation>自分のアプリを書き出す</translation>
    </message>
    <message>
        <source>Your apps could not be exported.</source>
        <translation>アプリを書き出せませんでした。</translation>
    </message>
    <message>
        <source>Install from file</source>
        <translation>ファイルからインストール</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>ファイルを読み込めませんでした。</translation>
    </message>
</context>
<context>
    <name>AppStatus</name>
    <message>
        <source>not installed</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>未インストール</translation>
    </message>
    <message>
        <source>installed</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>インストール済み</translation>
    </message>
    <message>
        <source>update available</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>アップデートあり</translation>
    </message>
    <message>
        <source>unavailable</source>
        <extracomment>An app&apos;s state in a list column: Homebrew no longer offers it</extracomment>
        <translation>利用不可</translation>
    </message>
    <message>
        <source>installing</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>インストール中</translation>
    </message>
    <message>
        <source>removing</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>削除中</translation>
    </message>
    <message>
        <source>failed</source>
        <extracomment>An app&apos;s state in a list column: its last operation failed</extracomment>
        <translation>失敗</translation>
    </message>
    <message>
        <source>needs Homebrew</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>Homebrew が必要</translation>
    </message>
    <message>
        <source>Update to %1</source>
        <extracomment>A button; %1 is the newer version, e.g. 2.1.0</extracomment>
        <translation>%1 にアップデート</translation>
    </message>
</context>
<context>
    <name>AskpassDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Administrator password</source>
        <translation>管理者パスワード</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Homebrew needs your Mac password to continue.</source>
        <translation>続けるには、Homebrew に Mac のパスワードが必要です。</translation>
    </message>
    <message>
        <source>Homebrew needs your Mac password to finish with %1.</source>
        <extracomment>%1 is the name of the app being installed, updated or removed.</extracomment>
        <translation>%1 の処理を完了するには、Homebrew に Mac のパスワードが必要です。</translation>
    </message>
</context>
<context>
    <name>BatchFooter</name>
    <message>
        <source>Installs the selected apps one after another</source>
        <translation>選択したアプリを順番にインストールします</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Stops the app being installed and installs no other</source>
        <translation>インストール中のアプリを中止し、ほかのアプリはインストールしません</translation>
    </message>
    <message>
        <source>Try failed again</source>
        <translation>失敗分を再試行</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Hides the summary of the last batch</source>
        <translation>前回の一括インストールの概要を隠します</translation>
    </message>
    <message numerus="yes">
        <source>Install %n apps</source>
        <translation>
            <numerusform>%n 個のアプリをインストール</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchInstaller</name>
    <message numerus="yes">
        <source>%n installed</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were installed</extracomment>
        <translation>
            <numerusform>%n 個インストール済み</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updated</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were updated</extracomment>
        <translation>
            <numerusform>%n 個アップデート済み</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were removed</extracomment>
        <translation>
            <numerusform>%n 個削除済み</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cancelled</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were cancelled</extracomment>
        <translation>
            <numerusform>%n 個キャンセル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were skipped</extracomment>
        <translation>
            <numerusform>%n 個スキップ</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 is an app&apos;s name, %2 the sentence saying why it failed</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed: %1</source>
        <extracomment>Part of a batch&apos;s summary: how many apps failed, then %1 the reasons, one sentence each</extracomment>
        <translation>
            <numerusform>%n 個失敗：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of a batch&apos;s summary, as in &quot;3 installed, 1 skipped&quot;</extracomment>
        <translation>、</translation>
    </message>
    <message numerus="yes">
        <source>%n app(s)</source>
        <extracomment>A batch&apos;s name in the history of operations</extracomment>
        <translation>
            <numerusform>%n 個のアプリ</numerusform>
        </translation>
    </message>
    <message>
        <source>The window closed before this operation finished.</source>
        <translation>この操作が完了する前にウインドウが閉じられました。</translation>
    </message>
    <message>
        <source>Setting up Homebrew (one-time).</source>
        <translation>Homebrew を設定しています（初回のみ）。</translation>
    </message>
    <message>
        <source>Installing %1 of %2: %3</source>
        <extracomment>%1 of %2 counts the apps of a batch; %3 is the app&apos;s name</extracomment>
        <translation>インストール中 %1/%2：%3</translation>
    </message>
    <message>
        <source>Updating %1 of %2: %3</source>
        <extracomment>%1 of %2 counts the apps of a batch; %3 is the app&apos;s name</extracomment>
        <translation>アップデート中 %1/%2：%3</translation>
    </message>
    <message>
        <source>Removing %1 of %2: %3</source>
        <extracomment>%1 of %2 counts the apps of a batch; %3 is the app&apos;s name</extracomment>
        <translation>削除中 %1/%2：%3</translation>
    </message>
    <message>
        <source>%1 is already installed.</source>
        <translation>%1 はすでにインストールされています。</translation>
    </message>
    <message>
        <source>%1 is not installed.</source>
        <translation>%1 はインストールされていません。</translation>
    </message>
</context>
<context>
    <name>BeforeInstallFacts</name>
    <message>
        <source>Version</source>
        <extracomment>A row&apos;s title in &quot;Before you install&quot;</extracomment>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>%1 (from %2)</source>
        <extracomment>%1 is a version, %2 where it comes from: Homebrew or GitHub</extracomment>
        <translation>%1（%2 から）</translation>
    </message>
    <message>
        <source>Download from</source>
        <extracomment>A row&apos;s title in &quot;Before you install&quot;: the host the app is downloaded from</extracomment>
        <translation>ダウンロード元</translation>
    </message>
    <message>
        <source>Checksum</source>
        <extracomment>A row&apos;s title in &quot;Before you install&quot;</extracomment>
        <translation>チェックサム</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>A row&apos;s title in &quot;Before you install&quot;: the download&apos;s size</extracomment>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Before you install</source>
        <translation>インストールする前に</translation>
    </message>
    <message>
        <source>Not known yet</source>
        <translation>まだ不明</translation>
    </message>
</context>
<context>
    <name>BrewNetwork</name>
    <message>
        <source>A mirror address starts with https:// and names a host, like https://mirror.example.com/homebrew.</source>
        <translation>ミラーのアドレスは https:// で始まり、ホストを含みます（例：https://mirror.example.com/homebrew）。</translation>
    </message>
</context>
<context>
    <name>BrewNotes</name>
    <message>
        <source>Downloading %1.</source>
        <translation>%1 をダウンロードしています。</translation>
    </message>
    <message>
        <source>Installing %1.</source>
        <translation>%1 をインストールしています。</translation>
    </message>
    <message>
        <source>Putting %1 in place.</source>
        <translation>%1 を配置しています。</translation>
    </message>
    <message>
        <source>Almost done.</source>
        <translation>まもなく完了します。</translation>
    </message>
    <message>
        <source>Working on %1.</source>
        <translation>%1 を処理しています。</translation>
    </message>
    <message>
        <source>Cleaning up.</source>
        <translation>クリーンアップしています。</translation>
    </message>
    <message>
        <source>Removing %1.</source>
        <translation>%1 を削除しています。</translation>
    </message>
</context>
<context>
    <name>BrewQuery</name>
    <message>
        <source>%1 was not run: Orvando is quitting.</source>
        <extracomment>%1 is a command, such as brew info</extracomment>
        <translation>%1 は実行されませんでした：Orvando を終了しています。</translation>
    </message>
    <message>
        <source>%1 could not be started: %2.</source>
        <extracomment>%1 is a command, such as brew info; %2 the system&apos;s reason</extracomment>
        <translation>%1 を開始できませんでした：%2。</translation>
    </message>
    <message numerus="yes">
        <source>%1 did not answer within %n seconds.</source>
        <extracomment>%1 is a command, such as brew info</extracomment>
        <translation>
            <numerusform>%1 は %n 秒以内に応答しませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 failed (code %2).</source>
        <extracomment>%1 is a command, such as brew info; %2 its exit code</extracomment>
        <translation>%1 が失敗しました（コード %2）。</translation>
    </message>
    <message>
        <source>%1 failed (code %2): %3</source>
        <extracomment>%1 is a command, such as brew info; %2 its exit code; %3 brew&apos;s own message</extracomment>
        <translation>%1 が失敗しました（コード %2）：%3</translation>
    </message>
</context>
<context>
    <name>BrewResult</name>
    <message>
        <source>No Homebrew found on this Mac.</source>
        <translation>この Mac に Homebrew が見つかりません。</translation>
    </message>
</context>
<context>
    <name>BrewRunner</name>
    <message>
        <source>Install did not finish. You can try again.</source>
        <translation>インストールが完了しませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>キャンセルしました。</translation>
    </message>
</context>
<context>
    <name>BundlePlacer</name>
    <message>
        <source>Could not put %1 into %2: %3.</source>
        <extracomment>%1 is an app&apos;s file name, %2 a folder, %3 the system&apos;s reason</extracomment>
        <translation>%1 を %2 に配置できませんでした：%3。</translation>
    </message>
    <message>
        <source>Could not put %1 into %2. %3</source>
        <extracomment>%1 is an app&apos;s file name, %2 a folder, %3 a sentence saying why</extracomment>
        <translation>%1 を %2 に配置できませんでした。%3</translation>
    </message>
</context>
<context>
    <name>CaskFactsText</name>
    <message>
        <source> Homebrew suggests “%1” instead.</source>
        <extracomment>Follows another sentence, so it starts with a space; %1 is the name of another app or cask</extracomment>
        <translation>代わりに「%1」を使うよう Homebrew は勧めています。</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date format</comment>
        <extracomment>The date format for when Homebrew stops offering an app, as in 1 September 2026 (Qt&apos;s date pattern letters)</extracomment>
        <translation>yyyy年M月d日</translation>
    </message>
    <message>
        <source>its makers have stopped working on it</source>
        <translation>開発元が開発を終了しました</translation>
    </message>
    <message>
        <source>it is now only on the Mac App Store</source>
        <translation>現在は Mac App Store でのみ入手できます</translation>
    </message>
    <message>
        <source>its makers no longer offer the download</source>
        <translation>開発元がダウンロードの提供を終了しました</translation>
    </message>
    <message>
        <source>it no longer meets Homebrew’s rules for apps</source>
        <translation>Homebrew のアプリ基準を満たさなくなりました</translation>
    </message>
    <message>
        <source>nobody maintains it any more</source>
        <translation>メンテナンスされなくなりました</translation>
    </message>
    <message>
        <source>it does not pass Apple’s Gatekeeper check</source>
        <translation>Apple の Gatekeeper チェックに合格しません</translation>
    </message>
    <message>
        <source>it contains a part Apple’s security checks reject</source>
        <translation>Apple のセキュリティチェックで拒否される部分が含まれています</translation>
    </message>
    <message>
        <source>its source code repository has been archived</source>
        <translation>ソースコードのリポジトリがアーカイブされました</translation>
    </message>
    <message>
        <source>its source code repository has been removed</source>
        <translation>ソースコードのリポジトリが削除されました</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1, since %2.</source>
        <extracomment>%1 is an app&apos;s name, %2 a date</extracomment>
        <translation>Homebrew は %2 から %1 を提供していません。</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1: %2, since %3.</source>
        <extracomment>%1 is an app&apos;s name, %2 why, as a clause (&quot;its makers have stopped working on it&quot;), %3 a date</extracomment>
        <translation>Homebrew は %3 から %1 を提供していません：%2。</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1.</source>
        <extracomment>%1 is an app&apos;s name</extracomment>
        <translation>Homebrew は %1 を提供していません。</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1: %2.</source>
        <extracomment>%1 is an app&apos;s name, %2 why, as a clause (&quot;its makers have stopped working on it&quot;)</extracomment>
        <translation>Homebrew は %1 を提供していません：%2。</translation>
    </message>
    <message>
        <source>Homebrew no longer recommends %1.</source>
        <extracomment>%1 is an app&apos;s name</extracomment>
        <translation>Homebrew は %1 を推奨しなくなりました。</translation>
    </message>
    <message>
        <source>Homebrew no longer recommends %1: %2.</source>
        <extracomment>%1 is an app&apos;s name, %2 why, as a clause (&quot;its makers have stopped working on it&quot;)</extracomment>
        <translation>Homebrew は %1 を推奨しなくなりました：%2。</translation>
    </message>
    <message>
        <source> It will stop offering it on %1.</source>
        <extracomment>Follows another sentence, so it starts with a space; %1 is a date</extracomment>
        <translation>%1 に提供を終了します。</translation>
    </message>
    <message>
        <source>Checksum verified by Homebrew</source>
        <translation>Homebrew がチェックサムを検証済み</translation>
    </message>
    <message>
        <source>Not verified: this app&apos;s download changes with every release</source>
        <translation>未検証：このアプリのダウンロードはリリースごとに変わります</translation>
    </message>
    <message>
        <source>Verified against GitHub&apos;s published digest</source>
        <translation>GitHub が公開したダイジェストで検証済み</translation>
    </message>
    <message>
        <source>Not verified: GitHub published no digest for this download</source>
        <translation>未検証：GitHub はこのダウンロードのダイジェストを公開していません</translation>
    </message>
    <message>
        <source>Updates itself</source>
        <translation>自動でアップデート</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date format</comment>
        <translation>yyyy年M月d日</translation>
    </message>
    <message numerus="yes">
        <source>Catalog: built in, %n apps</source>
        <translation>
            <numerusform>カタログ：内蔵、%n 個のアプリ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Catalog: updated %1, %n apps</source>
        <extracomment>%1 is the day the catalog in use was issued, e.g. &quot;7 December 2026&quot;.</extracomment>
        <translation>
            <numerusform>カタログ：%1に更新、%n 個のアプリ</numerusform>
        </translation>
    </message>
    <message>
        <source>A newer catalog from %1 is ready. Orvando uses it the next time it opens.</source>
        <extracomment>%1 is the day the newer catalog was issued, e.g. &quot;7 December 2026&quot;.</extracomment>
        <translation>%1付けの新しいカタログがあります。Orvando の次回起動時に使用されます。</translation>
    </message>
</context>
<context>
    <name>CatalogApp</name>
    <message>
        <source>Window &amp; desktop</source>
        <extracomment>A category of apps, in the sidebar and on an app&apos;s page.</extracomment>
        <translation>ウインドウとデスクトップ</translation>
    </message>
    <message>
        <source>Clipboard &amp; text</source>
        <extracomment>A category of apps, in the sidebar and on an app&apos;s page.</extracomment>
        <translation>クリップボードとテキスト</translation>
    </message>
    <message>
        <source>Media</source>
        <extracomment>A category of apps (video, audio, images), in the sidebar and on an app&apos;s page.</extracomment>
        <translation>メディア</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <extracomment>A category of apps that live in the menu bar, in the sidebar and on an app&apos;s page.</extracomment>
        <translation>メニューバー</translation>
    </message>
    <message>
        <source>Privacy &amp; security</source>
        <extracomment>A category of apps (password managers), in the sidebar and on an app&apos;s page.</extracomment>
        <translation>プライバシーとセキュリティ</translation>
    </message>
    <message>
        <source>Files &amp; disk</source>
        <extracomment>A category of apps, in the sidebar and on an app&apos;s page.</extracomment>
        <translation>ファイルとディスク</translation>
    </message>
    <message>
        <source>Proprietary</source>
        <extracomment>An app&apos;s licence: closed source, owned by its maker.</extracomment>
        <translation>プロプライエタリ</translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>An app&apos;s price: it costs nothing.</extracomment>
        <translation>無料</translation>
    </message>
    <message>
        <source>Freemium</source>
        <extracomment>An app&apos;s price: free, with paid extras.</extracomment>
        <translation>フリーミアム</translation>
    </message>
    <message>
        <source>%1/yr</source>
        <extracomment>A yearly price; %1 is the amount with its currency, e.g. &quot;$30&quot;.</extracomment>
        <translation>%1/年</translation>
    </message>
    <message>
        <source>%1/mo</source>
        <extracomment>A monthly price; %1 is the amount with its currency, e.g. &quot;$23&quot;.</extracomment>
        <translation>%1/月</translation>
    </message>
    <message>
        <source>No value associated with key &quot;%1&quot;.</source>
        <extracomment>A catalog entry lacks a field; %1 is the JSON key, e.g. &quot;homepage&quot;.</extracomment>
        <translation>キー「%1」に値がありません。</translation>
    </message>
    <message>
        <source>Expected a string for key &quot;%1&quot;.</source>
        <extracomment>%1 is a JSON key of a catalog entry.</extracomment>
        <translation>キー「%1」には文字列が必要です。</translation>
    </message>
    <message>
        <source>Expected an object for key &quot;%1&quot;.</source>
        <extracomment>%1 is a JSON key of a catalog entry.</extracomment>
        <translation>キー「%1」にはオブジェクトが必要です。</translation>
    </message>
    <message>
        <source>Cannot initialize %1 from invalid value &quot;%2&quot;.</source>
        <extracomment>%1 is a JSON key of a catalog entry (&quot;category&quot;), %2 the value found there.</extracomment>
        <translation>「%2」は %1 の値として無効です。</translation>
    </message>
    <message>
        <source>Invalid number of keys found, expected one.</source>
        <extracomment>The &quot;install&quot; field of a catalog entry must name exactly one kind of source.</extracomment>
        <translation>キーの数が正しくありません。1 つだけ指定する必要があります。</translation>
    </message>
    <message>
        <source>Cannot initialize install from invalid key &quot;%1&quot;.</source>
        <extracomment>%1 is a JSON key found in the &quot;install&quot; field of a catalog entry.</extracomment>
        <translation>「%1」は install のキーとして無効です。</translation>
    </message>
    <message>
        <source>Expected an array for key &quot;screenshots&quot;.</source>
        <translation>キー「screenshots」には配列が必要です。</translation>
    </message>
    <message>
        <source>Expected a string in &quot;screenshots&quot;.</source>
        <translation>「screenshots」の要素には文字列が必要です。</translation>
    </message>
    <message>
        <source>Expected a boolean for key &quot;isCurated&quot;.</source>
        <translation>キー「isCurated」にはブール値が必要です。</translation>
    </message>
</context>
<context>
    <name>CatalogDocument</name>
    <message>
        <source>the id is not a plain lower-case name</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>ID が小文字だけの単純な名前ではありません</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>名前が空です</translation>
    </message>
    <message>
        <source>the cask token is not one brew would take as a name</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>cask トークンが brew で名前として使える形式ではありません</translation>
    </message>
    <message>
        <source>the GitHub repository is not &quot;owner/name&quot;</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>GitHub リポジトリが「owner/name」の形式ではありません</translation>
    </message>
    <message>
        <source>an asset name is not a plain file name</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>アセット名が単純なファイル名ではありません</translation>
    </message>
    <message>
        <source>the home page is not an https address</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>ホームページが https のアドレスではありません</translation>
    </message>
    <message>
        <source>the bundle identifier is not one macOS would accept</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>バンドル ID が macOS で使える形式ではありません</translation>
    </message>
    <message>
        <source>a screenshot name is not a plain name</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>スクリーンショット名が単純な名前ではありません</translation>
    </message>
    <message>
        <source>The catalog is not a JSON object.</source>
        <translation>カタログが JSON オブジェクトではありません。</translation>
    </message>
    <message>
        <source>The catalog is not of format %1.</source>
        <extracomment>%1 is the number of the catalog layout this program reads, e.g. 1.</extracomment>
        <translation>カタログの形式が %1 ではありません。</translation>
    </message>
    <message>
        <source>The catalog has no valid &quot;issued&quot; date and time.</source>
        <translation>カタログに有効な「issued」の日時がありません。</translation>
    </message>
    <message>
        <source>The catalog has no list of apps.</source>
        <translation>カタログにアプリのリストがありません。</translation>
    </message>
    <message>
        <source>Entry %1 is not an object.</source>
        <extracomment>%1 is the number of an entry in the catalog&apos;s list of apps, from 1.</extracomment>
        <translation>項目 %1 がオブジェクトではありません。</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <extracomment>%1 is the number of an entry in the catalog&apos;s list of apps, %2 what is wrong with it.</extracomment>
        <translation>項目 %1：%2</translation>
    </message>
    <message>
        <source>Entry %1 (&quot;%2&quot;): %3.</source>
        <extracomment>%1 is the number of an entry in the catalog&apos;s list of apps, %2 its id, %3 what is wrong with it (&quot;the name is empty&quot;).</extracomment>
        <translation>項目 %1（「%2」）：%3。</translation>
    </message>
    <message>
        <source>Entry %1: the id &quot;%2&quot; is used twice.</source>
        <extracomment>%1 is the number of an entry in the catalog&apos;s list of apps, %2 its id.</extracomment>
        <translation>項目 %1：ID「%2」が重複しています。</translation>
    </message>
</context>
<context>
    <name>CatalogList</name>
    <message>
        <source>A clipboard that remembers what you copied.</source>
        <translation>コピーした内容を覚えておくクリップボードです。</translation>
    </message>
    <message>
        <source>Hide and arrange your menu bar icons.</source>
        <translation>メニューバーのアイコンを隠したり並べ替えたりできます。</translation>
    </message>
    <message>
        <source>Snap windows into place with a keyboard shortcut.</source>
        <translation>キーボードショートカットでウインドウを定位置に配置します。</translation>
    </message>
    <message>
        <source>Arrange windows by flicking your mouse to an edge.</source>
        <translation>マウスを端にさっと動かすだけでウインドウを整列します。</translation>
    </message>
    <message>
        <source>See every window when you switch with the keyboard.</source>
        <translation>キーボードで切り替えるときにすべてのウインドウを表示します。</translation>
    </message>
    <message>
        <source>A video player that plays everything.</source>
        <translation>なんでも再生できるビデオプレーヤーです。</translation>
    </message>
    <message>
        <source>Convert video into a smaller, shareable file.</source>
        <translation>ビデオを共有しやすい小さなファイルに変換します。</translation>
    </message>
    <message>
        <source>Convert audio, video, and images with pro control.</source>
        <translation>オーディオ、ビデオ、画像をプロ並みの細かな設定で変換します。</translation>
    </message>
    <message>
        <source>Download video and audio from the web, beautifully.</source>
        <translation>Web からビデオやオーディオをスマートにダウンロードできます。</translation>
    </message>
    <message>
        <source>See CPU, memory, and network in your menu bar.</source>
        <translation>CPU、メモリ、ネットワークの状況をメニューバーで確認できます。</translation>
    </message>
    <message>
        <source>Open and make archives in any format.</source>
        <translation>あらゆる形式のアーカイブを開いたり作成したりできます。</translation>
    </message>
    <message>
        <source>Type a short code and expand it into anything.</source>
        <translation>短いコードを入力するだけで、好きな文章に展開します。</translation>
    </message>
    <message>
        <source>Tune resolution, brightness, and dummy displays.</source>
        <translation>解像度、輝度、仮想ディスプレイを調整します。</translation>
    </message>
    <message>
        <source>Screenshot, annotate, and pull text out of any image.</source>
        <translation>スクリーンショットを撮って注釈を付け、どんな画像からもテキストを取り出せます。</translation>
    </message>
    <message>
        <source>Uninstall apps and sweep up the files they leave behind.</source>
        <translation>アプリをアンインストールし、残されたファイルも片付けます。</translation>
    </message>
    <message>
        <source>Pomodoro timer in your menu bar.</source>
        <translation>メニューバーで使えるポモドーロタイマーです。</translation>
    </message>
    <message>
        <source>Launch apps and run quick actions from one bar.</source>
        <translation>1 つのバーからアプリを起動し、クイックアクションを実行できます。</translation>
    </message>
    <message>
        <source>Make any mouse scroll and track the way you want.</source>
        <translation>どんなマウスでも、スクロールと軌跡の速さを思いどおりに設定できます。</translation>
    </message>
    <message>
        <source>Read your news feeds in one quiet place.</source>
        <translation>ニュースフィードを 1 か所で静かに読めます。</translation>
    </message>
    <message>
        <source>The player that has never met a file it cannot open.</source>
        <translation>開けないファイルに出会ったことのないプレーヤーです。</translation>
    </message>
    <message>
        <source>Draw and edit vector graphics for free.</source>
        <translation>ベクターグラフィックを無料で描画・編集できます。</translation>
    </message>
    <message>
        <source>Tuck away the menu bar icons you rarely need.</source>
        <translation>めったに使わないメニューバーのアイコンをしまっておけます。</translation>
    </message>
    <message>
        <source>Keep your passwords in a vault you own.</source>
        <translation>パスワードを自分だけの保管庫にしまっておけます。</translation>
    </message>
    <message>
        <source>Sync your passwords across every device you own.</source>
        <translation>パスワードをお使いのすべてのデバイスで同期します。</translation>
    </message>
    <message>
        <source>Write an OS image to an SD card without fuss.</source>
        <translation>OS イメージを SD カードに手軽に書き込めます。</translation>
    </message>
    <message>
        <source>Send files between your devices over the local network.</source>
        <translation>ローカルネットワーク経由でデバイス間でファイルを送信します。</translation>
    </message>
    <message>
        <source>Browse FTP and cloud storage like a folder.</source>
        <translation>FTP やクラウドストレージをフォルダのようにブラウズできます。</translation>
    </message>
    <message>
        <source>Organize and convert your ebook library.</source>
        <translation>電子書籍のライブラリを整理・変換します。</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>GitHub releases of %1 (%2)</source>
        <extracomment>%1 is a GitHub repository, %2 the file downloaded from its releases</extracomment>
        <translation>%1 の GitHub リリース（%2）</translation>
    </message>
    <message>
        <source>Homebrew cask %1</source>
        <translation>Homebrew の cask %1</translation>
    </message>
    <message>
        <source>The free version is all you need. Pro extras are optional.</source>
        <translation>無料版で十分です。Pro の追加機能は任意です。</translation>
    </message>
    <message>
        <source>Replaces %1 - %2</source>
        <extracomment>%1 is a paid app, %2 its price, such as $30/yr</extracomment>
        <translation>%1 の代わりに – %2</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>%1 (installed %2)</source>
        <extracomment>%1 is the update, such as &quot;Update to 2.1.0&quot;, %2 the installed version</extracomment>
        <translation>%1（インストール済み: %2）</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>License</source>
        <translation>ライセンス</translation>
    </message>
    <message>
        <source>Pricing</source>
        <translation>価格</translation>
    </message>
    <message>
        <source>Hand-picked</source>
        <translation>厳選</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Web サイト</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>入手元</translation>
    </message>
    <message>
        <source>Bundle ID</source>
        <translation>バンドル ID</translation>
    </message>
    <message>
        <source>none recorded</source>
        <translation>記録なし</translation>
    </message>
    <message>
        <source>Installed at</source>
        <translation>インストール先</translation>
    </message>
    <message>
        <source>list: every app, not only the hand-picked ones; update: every app with an update</source>
        <translation>list: 厳選アプリだけでなくすべてのアプリ。update: アップデートのあるすべてのアプリ</translation>
    </message>
    <message>
        <source>only the apps of one category: window, clipboard, media, menubar, security, files</source>
        <translation>1 つのカテゴリのアプリのみ: window, clipboard, media, menubar, security, files</translation>
    </message>
    <message>
        <source>apps whose name, description, category or replaced app holds the text</source>
        <translation>名前、説明、カテゴリ、または置き換えるアプリにテキストを含むアプリ</translation>
    </message>
    <message>
        <source>print JSON (documented in the README) instead of text</source>
        <translation>テキストの代わりに JSON（README に記載）を出力</translation>
    </message>
    <message>
        <source>install without asking for confirmation</source>
        <translation>確認せずにインストール</translation>
    </message>
    <message>
        <source>history: list at most n operations (20 unless given)</source>
        <translation>history: 最大 n 件の操作を表示（指定がなければ 20）</translation>
    </message>
    <message>
        <source>never set up Homebrew; exit with 3 when an app needs it</source>
        <translation>Homebrew をセットアップしない。アプリに必要な場合は 3 で終了</translation>
    </message>
    <message>
        <source>uninstall: remove the app only; its settings and data stay</source>
        <translation>uninstall: アプリのみ削除。設定とデータは残す</translation>
    </message>
    <message>
        <source>uninstall: list what would go, with sizes; nothing is changed</source>
        <translation>uninstall: 削除される項目をサイズ付きで表示。何も変更しない</translation>
    </message>
    <message>
        <source>no progress and no success messages; errors only</source>
        <translation>進行状況と成功メッセージを表示せず、エラーのみ</translation>
    </message>
    <message>
        <source>also print brew&apos;s own lines</source>
        <translation>brew 自身の出力も表示</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>このヘルプ</translation>
    </message>
    <message>
        <source>The hand-picked apps (every app with --all), with their state.</source>
        <translation>厳選アプリ（--all ですべてのアプリ）とその状態。</translation>
    </message>
    <message>
        <source>Everything about one app: what it is, its state, and what you are about to trust.</source>
        <translation>1 つのアプリのすべて: 内容、状態、そして信頼することになるもの。</translation>
    </message>
    <message>
        <source>Installs apps, one after another.</source>
        <translation>アプリを 1 つずつインストールします。</translation>
    </message>
    <message>
        <source>Removes apps and the files they leave behind, to the Trash.</source>
        <translation>アプリとその残りのファイルをゴミ箱に移動して削除します。</translation>
    </message>
    <message>
        <source>Updates the apps named, or every app with an update (those that update themselves are left alone).</source>
        <translation>指定したアプリ、またはアップデートのあるすべてのアプリをアップデートします（自動でアップデートするアプリはそのままです）。</translation>
    </message>
    <message>
        <source>The installed apps that have a newer version.</source>
        <translation>新しいバージョンがあるインストール済みのアプリ。</translation>
    </message>
    <message>
        <source>Writes the installed apps as a Brewfile, to the file or to standard output.</source>
        <translation>インストール済みのアプリを Brewfile としてファイルまたは標準出力に書き出します。</translation>
    </message>
    <message>
        <source>Installs the apps a Brewfile or a list of ids names, once you have confirmed the set.</source>
        <translation>Brewfile または ID の一覧にあるアプリを、確認後にインストールします。</translation>
    </message>
    <message>
        <source>What Orvando did, newest first: every operation, one app&apos;s (by its id), or one operation in full (by its number).</source>
        <translation>Orvando が行ったこと（新しい順）: すべての操作、1 つのアプリの操作（ID で指定）、または 1 つの操作の詳細（番号で指定）。</translation>
    </message>
    <message>
        <source>Puts back the version of a downloaded app that its last update replaced.</source>
        <translation>ダウンロードしたアプリの、最後のアップデートで置き換えられたバージョンを元に戻します。</translation>
    </message>
    <message>
        <source>Name the apps to update, or use --all, not both.</source>
        <translation>アップデートするアプリを指定するか --all を使用してください。両方は指定できません。</translation>
    </message>
    <message>
        <source>The %1 command needs one file.</source>
        <extracomment>%1 is a command&apos;s name, such as info</extracomment>
        <translation>%1 コマンドにはファイルを 1 つ指定してください。</translation>
    </message>
    <message>
        <source>The %1 command needs one app id.</source>
        <translation>%1 コマンドにはアプリ ID を 1 つ指定してください。</translation>
    </message>
    <message>
        <source>Name at least one app to %1.</source>
        <translation>%1 するアプリを 1 つ以上指定してください。</translation>
    </message>
    <message>
        <source>The %1 command takes no app or file names.</source>
        <translation>%1 コマンドにはアプリ名やファイル名を指定できません。</translation>
    </message>
    <message>
        <source>The %1 command takes one name only.</source>
        <translation>%1 コマンドに指定できる名前は 1 つだけです。</translation>
    </message>
    <message>
        <source>Name a command. “%1 --help” lists them.</source>
        <translation>コマンドを指定してください。「%1 --help」で一覧を表示できます。</translation>
    </message>
    <message>
        <source>Unknown command “%1”.</source>
        <translation>不明なコマンド「%1」。</translation>
    </message>
    <message>
        <source>“%1 --help” lists the commands.</source>
        <translation>「%1 --help」でコマンドの一覧を表示できます。</translation>
    </message>
    <message>
        <source>Unknown option “%1” for %2.</source>
        <extracomment>%1 is the option typed, %2 the command&apos;s name</extracomment>
        <translation>%2 に不明なオプション「%1」。</translation>
    </message>
    <message>
        <source>Did you mean “%1”?</source>
        <translation>「%1」のことですか？</translation>
    </message>
    <message>
        <source>“%1 %2 --help” lists its options.</source>
        <translation>「%1 %2 --help」でオプションの一覧を表示できます。</translation>
    </message>
    <message>
        <source>%1 needs a value: %2.</source>
        <extracomment>%1 is the option, %2 what it takes, such as &lt;n&gt;</extracomment>
        <translation>%1 には値が必要です: %2。</translation>
    </message>
    <message>
        <source>--limit needs a whole number above 0.</source>
        <translation>--limit には 0 より大きい整数が必要です。</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <translation>%1 には値を指定できません。</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is the command line as typed, such as &quot;orvando-cli info &lt;id&gt;&quot;</extracomment>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>The hand-picked catalog of free Mac apps, from a terminal or a script.</source>
        <translation>厳選された無料 Mac アプリのカタログを、ターミナルやスクリプトから。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>コマンド:</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>プログラムのバージョン</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 an operation failed, 2 bad usage, 3 Homebrew is needed and was not set up, 130 interrupted.</source>
        <translation>終了ステータス: 0 完了、1 操作に失敗、2 使い方の誤り、3 Homebrew が必要だがセットアップされていない、130 中断。</translation>
    </message>
    <message>
        <source>Unknown app “%1”.</source>
        <translation>不明なアプリ「%1」。</translation>
    </message>
    <message>
        <source>The list --all command shows every app.</source>
        <translation>list --all コマンドですべてのアプリを表示できます。</translation>
    </message>
    <message>
        <source>Unknown category “%1”.</source>
        <extracomment>%1 lists the category names to type, which stay in English</extracomment>
        <translation>不明なカテゴリ「%1」。</translation>
    </message>
    <message>
        <source>The categories are %1.</source>
        <translation>カテゴリは %1 です。</translation>
    </message>
    <message>
        <source>Installed %1.</source>
        <translation>%1 をインストールしました。</translation>
    </message>
    <message>
        <source>Updated %1.</source>
        <extracomment>%1 is the app, %2 its new version</extracomment>
        <translation>%1 をアップデートしました。</translation>
    </message>
    <message>
        <source>Updated %1 to %2.</source>
        <translation>%1 を %2 にアップデートしました。</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 を削除しました。</translation>
    </message>
    <message>
        <source>Not started: %1.</source>
        <extracomment>%1 lists the apps&apos; names</extracomment>
        <translation>開始されませんでした: %1。</translation>
    </message>
    <message>
        <source>Homebrew was not set up, as --no-setup asks.</source>
        <translation>--no-setup の指定どおり、Homebrew はセットアップされませんでした。</translation>
    </message>
    <message>
        <source>Run this in a terminal to set Homebrew up (it asks for your password once), or install Homebrew first.</source>
        <translation>Homebrew をセットアップするにはターミナルでこれを実行してください（パスワードを 1 回だけ求められます）。または先に Homebrew をインストールしてください。</translation>
    </message>
    <message>
        <source>Stopped. %1 is left as it is on disk.</source>
        <translation>停止しました。%1 はディスク上でそのままです。</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>アップデートを確認できませんでした。</translation>
    </message>
    <message>
        <source>Reading what Homebrew says about the apps…</source>
        <translation>Homebrew のアプリ情報を読み込んでいます…</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>アップデートを確認しています…</translation>
    </message>
    <message>
        <source>Not every app could be checked for updates: %1</source>
        <translation>一部のアプリのアップデートを確認できませんでした: %1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n apps to %1.</source>
        <translation>
            <numerusform>%n 個のアプリを %1 に書き出しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>App</source>
        <translation>アプリ</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>The history of operations can&apos;t be read.</source>
        <translation>操作の履歴を読み込めません。</translation>
    </message>
    <message>
        <source>There is no operation %1 in the history.</source>
        <translation>履歴に操作 %1 はありません。</translation>
    </message>
    <message>
        <source>Nothing has been done yet.</source>
        <translation>まだ何も行われていません。</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>アプリ</translation>
    </message>
    <message>
        <source>KIND</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>VERSION</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>OUTCOME</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Not in the catalog, left out: %1.</source>
        <translation>カタログにないため除外: %1。</translation>
    </message>
    <message>
        <source>Left to Homebrew: %1.</source>
        <translation>Homebrew に任せます: %1。</translation>
    </message>
    <message>
        <source>The file names no app of the catalog.</source>
        <translation>ファイルにはカタログのアプリが含まれていません。</translation>
    </message>
    <message numerus="yes">
        <source>The file names %n apps:</source>
        <translation>
            <numerusform>ファイルには %n 個のアプリがあります:</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was installed: confirm with --yes, or run the import in a terminal.</source>
        <translation>何もインストールされませんでした: --yes で確認するか、ターミナルで読み込みを実行してください。</translation>
    </message>
    <message>
        <source>Install %1? [y/N] </source>
        <extracomment>The answer stays y or n in every language</extracomment>
        <translation>%1 をインストールしますか? [y/N] </translation>
    </message>
    <message numerus="yes">
        <source>Install these %n apps? [y/N] </source>
        <translation>
            <numerusform>これら %n 個のアプリをインストールしますか? [y/N] </numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was installed.</source>
        <translation>何もインストールされませんでした。</translation>
    </message>
    <message>
        <source>No app matches.</source>
        <translation>一致するアプリはありません。</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>CATEGORY</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Left alone: %1</source>
        <translation>そのまま: %1</translation>
    </message>
    <message>
        <source>Every installed app is up to date.</source>
        <translation>インストール済みのアプリはすべて最新です。</translation>
    </message>
    <message>
        <source>INSTALLED</source>
        <translation>インストール済み</translation>
    </message>
    <message>
        <source>AVAILABLE</source>
        <translation>利用可能</translation>
    </message>
    <message>
        <source>Putting %1 %2 back…</source>
        <extracomment>%1 is the app, %2 the version it goes back to</extracomment>
        <translation>%1 %2 を元に戻しています…</translation>
    </message>
    <message>
        <source>Put %1 %2 back.</source>
        <translation>%1 %2 を元に戻しました。</translation>
    </message>
    <message>
        <source>(needs your administrator password)</source>
        <translation>（管理者パスワードが必要）</translation>
    </message>
    <message numerus="yes">
        <source>(%n items of data kept)</source>
        <translation>
            <numerusform>（%n 個のデータ項目を保持）</numerusform>
        </translation>
    </message>
    <message>
        <source>kept (one of your own folders): %1</source>
        <translation>保持（自分のフォルダ）: %1</translation>
    </message>
    <message>
        <source>left alone: %1</source>
        <translation>そのまま: %1</translation>
    </message>
</context>
<context>
    <name>DetailActionArea</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>verb: open the app</comment>
        <translation>開く</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>インストール済み</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>アンインストール</translation>
    </message>
    <message>
        <source>Set up Homebrew</source>
        <translation>Homebrew をセットアップ</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>利用不可</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Finder で表示</translation>
    </message>
    <message>
        <source>Refresh Homebrew</source>
        <translation>Homebrew を更新</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 を開く</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>%1 をアンインストール</translation>
    </message>
    <message>
        <source>Set up Homebrew for %1</source>
        <translation>%1 のために Homebrew をセットアップ</translation>
    </message>
    <message>
        <source>One-time setup (needs your Mac password once), then %1 installs automatically.</source>
        <translation>1回だけのセットアップ（Mac のパスワードが1回必要です）の後、%1 が自動的にインストールされます。</translation>
    </message>
</context>
<context>
    <name>DirectDownload</name>
    <message>
        <source>Cancelled.</source>
        <translation>キャンセルしました。</translation>
    </message>
    <message>
        <source>Resolving latest %1 release from %2</source>
        <extracomment>%1 is the app, %2 its GitHub repository (&quot;p0deje/Maccy&quot;).</extracomment>
        <translation>%2 で %1 の最新リリースを確認中</translation>
    </message>
    <message>
        <source>Finding the latest %1.</source>
        <translation>最新の %1 を探しています。</translation>
    </message>
    <message>
        <source>There is no private temporary folder to download into.</source>
        <translation>ダウンロード先の非公開の一時フォルダがありません。</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <extracomment>%1 is the name of the file downloaded (&quot;Maccy.app.zip&quot;).</extracomment>
        <translation>%1 をダウンロード中</translation>
    </message>
    <message>
        <source>Downloading %1.</source>
        <extracomment>%1 is the app, with the version coming when it is known (&quot;Maccy 2.1.0&quot;).</extracomment>
        <translation>%1 をダウンロードしています。</translation>
    </message>
    <message>
        <source>Extracting and installing %1.app</source>
        <extracomment>%1 is the app&apos;s name; %1.app is its bundle.</extracomment>
        <translation>%1.app を展開してインストール中</translation>
    </message>
    <message>
        <source>Putting %1 in place.</source>
        <extracomment>%1 is the app, with the version coming when it is known (&quot;Maccy 2.1.0&quot;).</extracomment>
        <translation>%1 を配置しています。</translation>
    </message>
    <message>
        <source>%1 was successfully updated at %2</source>
        <extracomment>%1 is the app, %2 where its bundle now is.</extracomment>
        <translation>%1 は %2 で正常にアップデートされました</translation>
    </message>
    <message>
        <source>%1 was successfully installed at %2</source>
        <translation>%1 は %2 に正常にインストールされました</translation>
    </message>
</context>
<context>
    <name>DirectInstallError</name>
    <message>
        <source>Could not find a download named %1 in the latest release.</source>
        <extracomment>%1 is the name of a file of the release</extracomment>
        <translation>最新リリースに %1 という名前のダウンロードが見つかりませんでした。</translation>
    </message>
    <message>
        <source>Could not unpack the download (code %1).</source>
        <extracomment>%1 is the unpacking tool&apos;s exit code</extracomment>
        <translation>ダウンロードを展開できませんでした（コード %1）。</translation>
    </message>
    <message>
        <source>The download did not contain an app.</source>
        <translation>ダウンロードにアプリが含まれていませんでした。</translation>
    </message>
    <message>
        <source>The download did not match its published checksum.</source>
        <translation>ダウンロードが公開されているチェックサムと一致しませんでした。</translation>
    </message>
    <message>
        <source>The app in the download is not the one expected, so it was not installed.</source>
        <translation>ダウンロードに含まれるアプリが想定と異なるため、インストールしませんでした。</translation>
    </message>
    <message>
        <source>The app in the download points to files outside itself, so it was not installed.</source>
        <translation>ダウンロードに含まれるアプリが自身の外にあるファイルを参照しているため、インストールしませんでした。</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>%1 KB</source>
        <extracomment>Kilobytes, in decimal units as the Finder counts them</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 s left</source>
        <extracomment>Time left of a download, in seconds</extracomment>
        <translation>残り %1 秒</translation>
    </message>
    <message>
        <source>%1 min left</source>
        <extracomment>Time left of a download, in minutes</extracomment>
        <translation>残り %1 分</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <extracomment>Time left of a download, in hours</extracomment>
        <translation>残り約 %1 時間</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>How much of a download has come, in percent</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A download&apos;s speed; %1 is a size such as 1.2 MB</extracomment>
        <translation>%1/秒</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n バイト</numerusform>
        </translation>
    </message>
    <message>
        <source>Downloading · %1</source>
        <extracomment>%1 is how far the download has come: &quot;21% · 10.0 MB / 46.7 MB · 1.2 MB/s · 30 s left&quot;</extracomment>
        <translation>ダウンロード中 · %1</translation>
    </message>
    <message>
        <source> · </source>
        <extracomment>Between the figures of a download: &quot;21% · 10.0 MB / 46.7 MB · 1.2 MB/s&quot;</extracomment>
        <translation> · </translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <extracomment>%1 is the size received so far, %2 the whole size</extracomment>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>EmptyState</name>
    <message>
        <source>No handselected apps in this category.</source>
        <translation>このカテゴリには厳選アプリがありません。</translation>
    </message>
    <message>
        <source>No apps match “%1”</source>
        <extracomment>%1 is the text typed in the search field.</extracomment>
        <translation>「%1」に一致するアプリはありません</translation>
    </message>
</context>
<context>
    <name>FailureExplainer</name>
    <message>
        <source>The download of %1 failed (%2 answered %3). The app&apos;s publisher may have moved it; try again later.</source>
        <extracomment>%1 is the app, %2 the server&apos;s host name, %3 the HTTP status it answered with (404).</extracomment>
        <translation>%1 のダウンロードに失敗しました（%2 の応答: %3）。アプリの提供元が移動した可能性があります。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The download of %1 failed (the server answered %2). The app&apos;s publisher may have moved it; try again later.</source>
        <extracomment>%1 is the app, %2 the HTTP status the server answered with (404).</extracomment>
        <translation>%1 のダウンロードに失敗しました（サーバの応答: %2）。アプリの提供元が移動した可能性があります。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The download of %1 from %2 failed. The app&apos;s publisher may have moved it; try again later.</source>
        <extracomment>%1 is the app, %2 the server&apos;s host name.</extracomment>
        <translation>%2 からの %1 のダウンロードに失敗しました。アプリの提供元が移動した可能性があります。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The download of %1 failed. The app&apos;s publisher may have moved it; try again later.</source>
        <translation>%1 のダウンロードに失敗しました。アプリの提供元が移動した可能性があります。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The download of %1 did not match its published checksum, so it was not installed.</source>
        <translation>%1 のダウンロードが公開されているチェックサムと一致しなかったため、インストールされませんでした。</translation>
    </message>
    <message>
        <source>The download of %1 did not match its published checksum, so it was not updated.</source>
        <translation>%1 のダウンロードが公開されているチェックサムと一致しなかったため、アップデートされませんでした。</translation>
    </message>
    <message>
        <source>%1 does not support this version of macOS (it runs on: %2 or newer).</source>
        <extracomment>%1 is the app, %2 the oldest macOS it runs on, as Homebrew names it (&quot;Ventura&quot; or &quot;13&quot;).</extracomment>
        <translation>%1 はこのバージョンの macOS に対応していません（対応: %2 以降）。</translation>
    </message>
    <message>
        <source>%1 does not support this version of macOS (it runs on: %2 or older).</source>
        <extracomment>%1 is the app, %2 the newest macOS it runs on, as Homebrew names it (&quot;Monterey&quot; or &quot;12&quot;).</extracomment>
        <translation>%1 はこのバージョンの macOS に対応していません（対応: %2 以前）。</translation>
    </message>
    <message>
        <source>%1 does not support this version of macOS (it runs on: %2).</source>
        <extracomment>%1 is the app, %2 the macOS versions it runs on, as Homebrew lists them (&quot;Sonoma and Sequoia&quot;).</extracomment>
        <translation>%1 はこのバージョンの macOS に対応していません（対応: %2）。</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1.</source>
        <translation>Homebrew では %1 の提供が終了しています。</translation>
    </message>
    <message>
        <source>Homebrew&apos;s list of apps on this Mac is out of date and does not know %1 yet. Refresh it, then try again.</source>
        <translation>この Mac の Homebrew のアプリリストが古いため、%1 がまだ含まれていません。リストを更新してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Homebrew&apos;s own copy of an earlier %1, left in its folder by an update that did not finish, is in the way, so %1 was not installed.</source>
        <translation>完了しなかったアップデートによって Homebrew のフォルダに以前の %1 のコピーが残っていて妨げになっているため、%1 をインストールできませんでした。</translation>
    </message>
    <message>
        <source>Homebrew&apos;s own copy of an earlier %1, left in its folder by an update that did not finish, is in the way, so %1 was not updated.</source>
        <translation>完了しなかったアップデートによって Homebrew のフォルダに以前の %1 のコピーが残っていて妨げになっているため、%1 をアップデートできませんでした。</translation>
    </message>
    <message>
        <source>Homebrew&apos;s own copy of an earlier %1, left in its folder by an update that did not finish, is in the way, so %1 was not removed.</source>
        <translation>完了しなかったアップデートによって Homebrew のフォルダに以前の %1 のコピーが残っていて妨げになっているため、%1 を削除できませんでした。</translation>
    </message>
    <message>
        <source>%1 is already in Applications but was not installed through Homebrew. Open it, or remove it first.</source>
        <translation>%1 はすでに「アプリケーション」にありますが、Homebrew でインストールされたものではありません。開くか、先に削除してください。</translation>
    </message>
    <message>
        <source>The Mac password was not entered, so %1 was not installed.</source>
        <translation>Mac のパスワードが入力されなかったため、%1 はインストールされませんでした。</translation>
    </message>
    <message>
        <source>The Mac password was not entered, so %1 was not updated.</source>
        <translation>Mac のパスワードが入力されなかったため、%1 はアップデートされませんでした。</translation>
    </message>
    <message>
        <source>The Mac password was not entered, so %1 was not removed.</source>
        <translation>Mac のパスワードが入力されなかったため、%1 は削除されませんでした。</translation>
    </message>
    <message>
        <source>The installer of %1 failed. Its own log is in the install log.</source>
        <translation>%1 のインストーラが失敗しました。インストーラ自体のログはインストールログにあります。</translation>
    </message>
    <message>
        <source>Homebrew could not write to %1, so %2 was not installed. Its folders may belong to another user.</source>
        <extracomment>%1 is the folder or file Homebrew could not write to, %2 the app.</extracomment>
        <translation>Homebrew が %1 に書き込めなかったため、%2 はインストールされませんでした。Homebrew のフォルダがほかのユーザの所有になっている可能性があります。</translation>
    </message>
    <message>
        <source>Homebrew could not write to %1, so %2 was not updated. Its folders may belong to another user.</source>
        <translation>Homebrew が %1 に書き込めなかったため、%2 はアップデートされませんでした。Homebrew のフォルダがほかのユーザの所有になっている可能性があります。</translation>
    </message>
    <message>
        <source>Homebrew could not write to %1, so %2 was not removed. Its folders may belong to another user.</source>
        <translation>Homebrew が %1 に書き込めなかったため、%2 は削除されませんでした。Homebrew のフォルダがほかのユーザの所有になっている可能性があります。</translation>
    </message>
    <message>
        <source>%1 could not be downloaded: no connection to its download server.</source>
        <translation>%1 をダウンロードできませんでした: ダウンロードサーバに接続できません。</translation>
    </message>
    <message>
        <source>%1 could not be downloaded: no connection to %2.</source>
        <extracomment>%1 is the app, %2 the host name of its download server.</extracomment>
        <translation>%1 をダウンロードできませんでした: %2 に接続できません。</translation>
    </message>
    <message>
        <source>Homebrew could not install %1: %2</source>
        <extracomment>%1 is the app, %2 the reason: Homebrew&apos;s own message, in English, or a sentence of ours.</extracomment>
        <translation>Homebrew で %1 をインストールできませんでした: %2</translation>
    </message>
    <message>
        <source>Homebrew could not update %1: %2</source>
        <translation>Homebrew で %1 をアップデートできませんでした: %2</translation>
    </message>
    <message>
        <source>Homebrew could not remove %1: %2</source>
        <translation>Homebrew で %1 を削除できませんでした: %2</translation>
    </message>
    <message>
        <source>a step it ran failed (%1 exited with %2).</source>
        <extracomment>Follows a colon: &quot;Homebrew could not install Maccy: a step it ran failed (installer exited with 1).&quot; %1 is the program that failed, %2 its exit status.</extracomment>
        <translation>実行した処理が失敗しました（%1 が %2 で終了）。</translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>What did you try?


What worked?


What broke or felt confusing?


Your Mac (model + macOS version):
</source>
        <extracomment>The body of a feedback e-mail: questions, each followed by room for the answer</extracomment>
        <translation>何を試しましたか？


うまくいったことは何ですか？


うまくいかなかったこと、わかりにくかったことは何ですか？


お使いの Mac（モデルと macOS のバージョン）:
</translation>
    </message>
    <message>
        <source>Orvando v%1 feedback</source>
        <extracomment>The subject of a feedback e-mail; %1 is Orvando&apos;s version</extracomment>
        <translation>Orvando v%1 へのフィードバック</translation>
    </message>
    <message>
        <source>Orvando app suggestion</source>
        <translation>Orvando へのアプリの提案</translation>
    </message>
    <message>
        <source>Suggested app / tool:


%1


Why it should be in Orvando:

</source>
        <extracomment>The body of an app suggestion e-mail; %1 is what the user typed</extracomment>
        <translation>提案するアプリ / ツール:


%1


Orvando に入れるべき理由:

</translation>
    </message>
</context>
<context>
    <name>GatekeeperVerdict</name>
    <message>
        <source>Not checked on this computer</source>
        <translation>このコンピュータでは未確認</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <extracomment>Gatekeeper&apos;s verdict; %1 is the source macOS names, such as Notarized Developer ID</extracomment>
        <translation>承認：%1</translation>
    </message>
    <message>
        <source>Accepted: %1 (%2)</source>
        <extracomment>Gatekeeper&apos;s verdict; %1 is the source macOS names, %2 the developer it names</extracomment>
        <translation>承認：%1（%2）</translation>
    </message>
    <message>
        <source>Rejected: %1</source>
        <extracomment>Gatekeeper&apos;s verdict; %1 is the source macOS names</extracomment>
        <translation>拒否：%1</translation>
    </message>
    <message>
        <source>Checking…</source>
        <extracomment>Gatekeeper&apos;s check of a downloaded app is running</extracomment>
        <translation>確認中…</translation>
    </message>
</context>
<context>
    <name>GitHubRelease</name>
    <message>
        <source>The release information from GitHub could not be read: %1</source>
        <extracomment>%1 says what is wrong with it</extracomment>
        <translation>GitHub のリリース情報を読み込めませんでした：%1</translation>
    </message>
    <message>
        <source>“%1” is missing.</source>
        <extracomment>%1 is the name of a field in GitHub&apos;s answer</extracomment>
        <translation>「%1」がありません。</translation>
    </message>
    <message>
        <source>“%1” has the wrong type.</source>
        <extracomment>%1 is the name of a field in GitHub&apos;s answer</extracomment>
        <translation>「%1」の型が正しくありません。</translation>
    </message>
    <message>
        <source>it is not valid JSON.</source>
        <translation>有効な JSON ではありません。</translation>
    </message>
    <message>
        <source>it is not a release.</source>
        <translation>リリースではありません。</translation>
    </message>
</context>
<context>
    <name>GitHubReleaseClient</name>
    <message>
        <source>the server stopped answering</source>
        <translation>サーバが応答しなくなりました</translation>
    </message>
    <message>
        <source>There is no valid address for the releases of %1.</source>
        <extracomment>%1 is a GitHub repository, such as owner/name</extracomment>
        <translation>%1 のリリースの有効なアドレスがありません。</translation>
    </message>
    <message>
        <source>Could not get the latest release from %1 (%2). You can try again.</source>
        <extracomment>%1 is a host, such as api.github.com; %2 why, in lower case</extracomment>
        <translation>%1 から最新リリースを取得できませんでした（%2）。もう一度お試しください。</translation>
    </message>
    <message>
        <source>There is no private temporary folder to download into.</source>
        <translation>ダウンロード先となる非公開の一時フォルダがありません。</translation>
    </message>
    <message>
        <source>The download from %1 was larger than announced.</source>
        <extracomment>%1 is a host, such as github.com</extracomment>
        <translation>%1 からのダウンロードが予告されたサイズを超えました。</translation>
    </message>
    <message>
        <source>The download from %1 was too large, so it was stopped.</source>
        <extracomment>%1 is a host, such as github.com</extracomment>
        <translation>%1 からのダウンロードが大きすぎるため、停止しました。</translation>
    </message>
    <message>
        <source>The download could not be saved: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>ダウンロードを保存できませんでした：%1</translation>
    </message>
    <message>
        <source>the server sent the wrong part of the file</source>
        <translation>サーバがファイルの誤った部分を送信しました</translation>
    </message>
    <message>
        <source>the connection closed early</source>
        <translation>接続が途中で切断されました</translation>
    </message>
    <message>
        <source>The download from %1 did not finish (%2). You can try again.</source>
        <extracomment>%1 is a host, such as github.com; %2 why, in lower case</extracomment>
        <translation>%1 からのダウンロードが完了しませんでした（%2）。もう一度お試しください。</translation>
    </message>
    <message>
        <source>The download from %1 failed (HTTP %2). You can try again.</source>
        <extracomment>%1 is a host, such as github.com; %2 the HTTP status code</extracomment>
        <translation>%1 からのダウンロードに失敗しました（HTTP %2）。もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>HomebrewSetup</name>
    <message>
        <source>No address is set for Homebrew&apos;s install script.</source>
        <translation>Homebrew のインストールスクリプトのアドレスが設定されていません。</translation>
    </message>
    <message>
        <source>No private temporary folder is available for the setup.</source>
        <translation>セットアップに使える非公開の一時フォルダがありません。</translation>
    </message>
    <message>
        <source>The Homebrew installer could not be downloaded. Check your connection and try again.</source>
        <translation>Homebrew のインストーラをダウンロードできませんでした。接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Setting up Homebrew (one-time).</source>
        <translation>Homebrew をセットアップしています（初回のみ）。</translation>
    </message>
    <message>
        <source>Waiting for the Homebrew setup that is already running.</source>
        <translation>実行中の Homebrew のセットアップを待っています。</translation>
    </message>
    <message>
        <source>Setting up Homebrew (one-time). macOS will ask for your password once.</source>
        <translation>Homebrew をセットアップしています（初回のみ）。macOS からパスワードを一度だけ求められます。</translation>
    </message>
    <message>
        <source>Homebrew setup did not complete (code %1).</source>
        <extracomment>%1 is the exit status of the setup.</extracomment>
        <translation>Homebrew のセットアップが完了しませんでした（コード %1）。</translation>
    </message>
    <message>
        <source>Homebrew is ready. From now on installs are silent.</source>
        <translation>Homebrew の準備ができました。今後のインストールは確認なしで行われます。</translation>
    </message>
    <message>
        <source>Homebrew setup finished but brew was not found afterward.</source>
        <translation>Homebrew のセットアップは終了しましたが、その後 brew が見つかりませんでした。</translation>
    </message>
</context>
<context>
    <name>HomebrewSetupCommand</name>
    <message>
        <source>The Homebrew installer could not be copied to a safe place.</source>
        <translation>Homebrew インストーラを安全な場所にコピーできませんでした。</translation>
    </message>
    <message>
        <source>The Homebrew installer&apos;s checksum could not be verified.</source>
        <translation>Homebrew インストーラのチェックサムを検証できませんでした。</translation>
    </message>
    <message>
        <source>The Homebrew installer&apos;s signature could not be verified.</source>
        <translation>Homebrew インストーラの署名を検証できませんでした。</translation>
    </message>
    <message>
        <source>The Homebrew installer is not notarized by Apple.</source>
        <translation>Homebrew インストーラは Apple による公証を受けていません。</translation>
    </message>
    <message>
        <source>The Homebrew installer is not signed by Homebrew.</source>
        <translation>Homebrew インストーラは Homebrew によって署名されていません。</translation>
    </message>
</context>
<context>
    <name>HomebrewSetupPanel</name>
    <message>
        <source>Setting up Homebrew…</source>
        <translation>Homebrew をセットアップ中…</translation>
    </message>
    <message>
        <source>Set up Homebrew (one-time, ~2 min — needs your Mac password once)</source>
        <translation>Homebrew をセットアップ（1回のみ、約2分 — Mac のパスワードが1回必要）</translation>
    </message>
    <message>
        <source>Installs Homebrew with your password, then continues installing %1.</source>
        <translation>パスワードを使って Homebrew をインストールしてから、%1 のインストールを続けます。</translation>
    </message>
    <message>
        <source>%1 installs through Homebrew, a free package manager for the Mac. orvando can set it up for you — one time, right here.</source>
        <translation>%1 は、Mac 用の無料パッケージマネージャ Homebrew を使ってインストールされます。orvando がここで1回だけセットアップできます。</translation>
    </message>
    <message>
        <source>It asks for your password once. After that every install is silent — no Terminal, ever.</source>
        <translation>パスワードを求められるのは1回だけです。その後のインストールはすべて自動で行われ、ターミナルは一切使いません。</translation>
    </message>
</context>
<context>
    <name>ImportConfirmation</name>
    <message>
        <source>Install from file</source>
        <translation>ファイルからインストール</translation>
    </message>
    <message>
        <source>“%1” names no app of the catalog.</source>
        <extracomment>%1 is the name of the file chosen.</extracomment>
        <translation>「%1」にはカタログのアプリが含まれていません。</translation>
    </message>
    <message>
        <source>“%1” names these apps:</source>
        <extracomment>%1 is the name of the file chosen; the list of apps follows.</extracomment>
        <translation>「%1」に含まれるアプリ：</translation>
    </message>
    <message>
        <source>Not recognised: %1</source>
        <extracomment>%1 lists the names in the file that are not apps of the catalog.</extracomment>
        <translation>認識できない項目：%1</translation>
    </message>
    <message>
        <source>Left to Homebrew: %1</source>
        <extracomment>%1 lists the file&apos;s lines Orvando leaves for Homebrew to handle (taps, formulae).</extracomment>
        <translation>Homebrew に任せる項目：%1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>%1 — unavailable</source>
        <extracomment>%1 is an app&apos;s name, in the list of apps a file names.</extracomment>
        <translation>%1 — 利用不可</translation>
    </message>
    <message>
        <source>%1 — already installed</source>
        <extracomment>%1 is an app&apos;s name, in the list of apps a file names.</extracomment>
        <translation>%1 — インストール済み</translation>
    </message>
</context>
<context>
    <name>Install</name>
    <message>
        <source>Getting %1 ready.</source>
        <translation>%1 を準備しています。</translation>
    </message>
    <message>
        <source>%1 installs through Homebrew, which isn&apos;t set up on this Mac yet — offering a one-time in-app setup.</source>
        <translation>%1 は Homebrew でインストールされますが、この Mac にはまだ Homebrew がセットアップされていません。アプリ内での初回セットアップを提案します。</translation>
    </message>
    <message>
        <source>brew finished but %1 was not found on disk</source>
        <translation>brew は終了しましたが、ディスク上に %1 が見つかりません</translation>
    </message>
    <message>
        <source>Install finished but %1 was not found. You can try again.</source>
        <translation>インストールは終了しましたが、%1 が見つかりません。もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>InstallEngine</name>
    <message>
        <source>Another operation on %1 is still running; try again when it has finished.</source>
        <translation>%1 に対する別の操作がまだ実行中です。完了してからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Homebrew setup didn&apos;t finish. You can try again — it asks for your Mac password once, then all installs are silent.</source>
        <translation>Homebrew の設定が完了しませんでした。もう一度お試しください。Mac のパスワードを一度入力すれば、以降のインストールはすべて確認なしで行われます。</translation>
    </message>
    <message>
        <source>warning: No log files are written: the log folder %1 is a link to another place.</source>
        <extracomment>%1 is the log folder&apos;s path</extracomment>
        <translation>warning: ログファイルは書き込まれません：ログフォルダ %1 は別の場所へのリンクです。</translation>
    </message>
    <message>
        <source>==&gt; Opening %1</source>
        <extracomment>A line of the log; %1 is the app&apos;s name</extracomment>
        <translation>==&gt; %1 を開いています</translation>
    </message>
    <message>
        <source>%1 installs through Homebrew, which isn&apos;t set up on this Mac yet.</source>
        <translation>%1 は Homebrew でインストールしますが、この Mac ではまだ Homebrew が設定されていません。</translation>
    </message>
    <message>
        <source>%1 is not in the state asked for.</source>
        <translation>%1 は要求された状態になっていません。</translation>
    </message>
    <message>
        <source>note: Skipped %1: another operation on it is still running.</source>
        <translation>note: %1 をスキップしました：別の操作がまだ実行中です。</translation>
    </message>
    <message>
        <source>note: %1</source>
        <extracomment>A line of the log; %1 is a whole sentence</extracomment>
        <translation>note: %1</translation>
    </message>
</context>
<context>
    <name>InstallGuidancePanel</name>
    <message>
        <source>macOS may ask “Are you sure you want to open this app from the internet?” — click Open.</source>
        <extracomment>The question and the &quot;Open&quot; button are the ones macOS shows, in its own words</extracomment>
        <translation>macOS に「インターネットからダウンロードされたこのアプリを開いてもよろしいですか？」と表示されたら、「開く」をクリックしてください。</translation>
    </message>
    <message>
        <source>Didn’t open?</source>
        <translation>開かない場合</translation>
    </message>
    <message>
        <source>Launch %1</source>
        <translation>%1 を起動</translation>
    </message>
</context>
<context>
    <name>InstallLogFile</name>
    <message numerus="yes">
        <source>%n lines were left out of this file while the disk was too slow.</source>
        <translation>
            <numerusform>ディスクの処理が追いつかなかったため、%n 行がこのファイルから省かれました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogDrawer</name>
    <message>
        <source>Install log</source>
        <translation>インストールログ</translation>
    </message>
    <message>
        <source>No installs yet. The raw Homebrew log shows here.</source>
        <translation>まだインストールはありません。Homebrew のログがそのままここに表示されます。</translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <extracomment>How many lines the install log holds, beside its title.</extracomment>
        <translation>
            <numerusform>%n 行</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogListView</name>
    <message>
        <source>Install log lines</source>
        <translation>インストールログの行</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
</context>
<context>
    <name>MAC_APPLICATION_MENU</name>
    <message>
        <source>About %1</source>
        <translation>%1について</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>サービス</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>%1を非表示</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>ほかを非表示</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>すべてを表示</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>%1を終了</translation>
    </message>
</context>
<context>
    <name>MailFallback</name>
    <message>
        <source>No mail app opened. Write to %1.</source>
        <extracomment>%1 is the support email address.</extracomment>
        <translation>メールアプリが開きませんでした。%1 宛てにお送りください。</translation>
    </message>
    <message>
        <source>Copy address</source>
        <translation>アドレスをコピー</translation>
    </message>
</context>
<context>
    <name>NetworkSection</name>
    <message>
        <source>Network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>Orvando and Homebrew use the proxy set in System Settings. Mirrors are optional: leave them empty to use Homebrew’s own servers.</source>
        <translation>Orvando と Homebrew は、システム設定で指定したプロキシを使用します。ミラーはオプションです。空のままにすると Homebrew 自身のサーバを使用します。</translation>
    </message>
    <message>
        <source>Given to Homebrew as %1.</source>
        <extracomment>%1 is the name of the environment variable Homebrew reads</extracomment>
        <translation>%1 として Homebrew に渡されます。</translation>
    </message>
    <message>
        <source>Homebrew API mirror</source>
        <translation>Homebrew API ミラー</translation>
    </message>
    <message>
        <source>Bottle mirror</source>
        <translation>Bottle ミラー</translation>
    </message>
    <message>
        <source>Artifact mirror</source>
        <translation>アーティファクトミラー</translation>
    </message>
</context>
<context>
    <name>NetworkStatus</name>
    <message>
        <source>You&apos;re offline. Connect to the internet and try again.</source>
        <translation>オフラインです。インターネットに接続してから、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>OperationContext</name>
    <message>
        <source>Cancelled. %1 is left as it is on disk.</source>
        <translation>キャンセルしました。%1 はディスク上でそのままになっています。</translation>
    </message>
</context>
<context>
    <name>OperationHistory</name>
    <message>
        <source>The history of operations can&apos;t be opened (%1).</source>
        <extracomment>%1 is SQLite&apos;s own description of the problem, in English.</extracomment>
        <translation>操作の履歴を開けません（%1）。</translation>
    </message>
    <message>
        <source>The history of operations could not be read; it was moved to %1 and a new one started.</source>
        <extracomment>%1 is the path of the file moved aside.</extracomment>
        <translation>操作の履歴を読み込めなかったため、%1 に移動して新しい履歴を開始しました。</translation>
    </message>
    <message>
        <source>Orvando stopped before this operation finished.</source>
        <translation>この操作が終わる前に Orvando が停止しました。</translation>
    </message>
</context>
<context>
    <name>OperationRecord</name>
    <message numerus="yes">
        <source>%n earlier lines are left out.</source>
        <translation>
            <numerusform>それ以前の %n 行は省略されています。</numerusform>
        </translation>
    </message>
    <message>
        <source>The window closed before this operation finished.</source>
        <translation>この操作が終わる前にウインドウが閉じられました。</translation>
    </message>
    <message>
        <source>%1 installs through Homebrew, which isn&apos;t set up on this Mac yet.</source>
        <translation>%1 は Homebrew でインストールされますが、この Mac にはまだ Homebrew がセットアップされていません。</translation>
    </message>
    <message>
        <source>%1 is not in the state asked for.</source>
        <translation>%1 は要求された状態になっていません。</translation>
    </message>
</context>
<context>
    <name>OrvandoApp</name>
    <message>
        <source>Welcome to Orvando…</source>
        <translation>Orvando へようこそ…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>フィードバックを送信…</translation>
    </message>
    <message>
        <source>An install is still running. Quit anyway?</source>
        <translation>インストールがまだ実行中です。終了してもよろしいですか？</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <extracomment>The File menu item that looks for newer versions of the installed apps.</extracomment>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Show Install Logs</source>
        <translation>インストールログを表示</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The File menu item.</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>The title of the alert about updating Orvando itself.</extracomment>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>This copy of Orvando does not update itself.</source>
        <translation>この Orvando は自動ではアップデートされません。</translation>
    </message>
    <message>
        <source>Open Download Page</source>
        <translation>ダウンロードページを開く</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>新規ウインドウ</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>ウインドウを閉じる</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
</context>
<context>
    <name>OutdatedCasks</name>
    <message>
        <source>Homebrew’s list of updates could not be read: %1</source>
        <extracomment>%1 says what is wrong with it</extracomment>
        <translation>Homebrew のアップデート一覧を読み込めませんでした：%1</translation>
    </message>
    <message>
        <source>it is not valid JSON.</source>
        <translation>有効な JSON ではありません。</translation>
    </message>
    <message>
        <source>it is not a list of casks.</source>
        <translation>cask の一覧ではありません。</translation>
    </message>
    <message>
        <source>“casks” is missing.</source>
        <translation>「casks」がありません。</translation>
    </message>
</context>
<context>
    <name>PermissionGuidance</name>
    <message>
        <source>Accessibility</source>
        <extracomment>The pane&apos;s name in System Settings › Privacy &amp; Security, exactly as macOS shows it</extracomment>
        <translation>アクセシビリティ</translation>
    </message>
    <message>
        <source>Screen Recording</source>
        <extracomment>The pane&apos;s name in System Settings › Privacy &amp; Security, exactly as macOS shows it</extracomment>
        <translation>画面収録</translation>
    </message>
    <message>
        <source>Permission required: %1 needs Accessibility permission to work. It will ask on first launch — turn it on in System Settings › Privacy &amp; Security › Accessibility, then switch on %1.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>許可が必要です：%1 が動作するには「アクセシビリティ」の許可が必要です。初回起動時に確認されます — システム設定 › プライバシーとセキュリティ › アクセシビリティ で %1 をオンにしてください。</translation>
    </message>
    <message>
        <source>Permission required: %1 needs Screen Recording permission to capture your screen. It will ask on first launch — turn it on in System Settings › Privacy &amp; Security › Screen Recording, then switch on %1.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>許可が必要です：%1 が画面を取り込むには「画面収録」の許可が必要です。初回起動時に確認されます — システム設定 › プライバシーとセキュリティ › 画面収録 で %1 をオンにしてください。</translation>
    </message>
    <message>
        <source>%1 needs Accessibility permission to work. On first launch it will ask — turn it on:</source>
        <extracomment>%1 is the app&apos;s name; the steps to turn it on follow on the next line</extracomment>
        <translation>%1 が動作するには「アクセシビリティ」の許可が必要です。初回起動時に確認されます — 次の場所でオンにしてください：</translation>
    </message>
    <message>
        <source>%1 needs Screen Recording permission to capture your screen. Turn it on:</source>
        <extracomment>%1 is the app&apos;s name; the steps to turn it on follow on the next line</extracomment>
        <translation>%1 が画面を取り込むには「画面収録」の許可が必要です。次の場所でオンにしてください：</translation>
    </message>
    <message>
        <source>System Settings › Privacy &amp; Security › Accessibility, then switch on %1.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>システム設定 › プライバシーとセキュリティ › アクセシビリティ で %1 をオンにします。</translation>
    </message>
    <message>
        <source>System Settings › Privacy &amp; Security › Screen Recording, then switch on %1.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>システム設定 › プライバシーとセキュリティ › 画面収録 で %1 をオンにします。</translation>
    </message>
    <message>
        <source>Open System Settings › Accessibility</source>
        <extracomment>A button that opens the pane; the names exactly as System Settings shows them</extracomment>
        <translation>システム設定 › アクセシビリティ を開く</translation>
    </message>
    <message>
        <source>Open System Settings › Screen Recording</source>
        <extracomment>A button that opens the pane; the names exactly as System Settings shows them</extracomment>
        <translation>システム設定 › 画面収録 を開く</translation>
    </message>
    <message>
        <source>Removed %1. We could not clear its Accessibility permission automatically. You can remove the leftover entry in System Settings &gt; Privacy &amp; Security &gt; Accessibility.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>%1 を削除しました。「アクセシビリティ」の許可を自動で消去できませんでした。残った項目は システム設定 &gt; プライバシーとセキュリティ &gt; アクセシビリティ で削除できます。</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>RefreshCaskList</name>
    <message>
        <source>Refreshing Homebrew&apos;s list of apps.</source>
        <translation>Homebrew のアプリリストを更新しています。</translation>
    </message>
    <message>
        <source>Refreshing Homebrew&apos;s list of apps, which did not know %1</source>
        <translation>%1 が含まれていなかった Homebrew のアプリリストを更新中</translation>
    </message>
    <message>
        <source>Homebrew could not refresh its list of apps, so it still does not know %1: there is no connection to its server.</source>
        <translation>Homebrew がアプリリストを更新できなかったため、%1 がまだ含まれていません: サーバに接続できません。</translation>
    </message>
    <message>
        <source>Homebrew could not refresh its list of apps, so it still does not know %1: %2</source>
        <extracomment>%1 is the app, %2 the reason: brew&apos;s own message, in English, or a sentence of ours.</extracomment>
        <translation>Homebrew がアプリリストを更新できなかったため、%1 がまだ含まれていません: %2</translation>
    </message>
    <message>
        <source>Homebrew could not refresh its list of apps, so it still does not know %1: brew update did not finish.</source>
        <translation>Homebrew がアプリリストを更新できなかったため、%1 がまだ含まれていません: brew update が完了しませんでした。</translation>
    </message>
    <message>
        <source>Homebrew&apos;s list of apps is up to date</source>
        <translation>Homebrew のアプリリストは最新です</translation>
    </message>
</context>
<context>
    <name>RemovalPlan</name>
    <message>
        <source>%1: not a bundle identifier, so nothing is looked up by it</source>
        <extracomment>%1 is what the app gave as its bundle identifier</extracomment>
        <translation>%1：バンドル ID ではないため、これを使った検索は行いません</translation>
    </message>
</context>
<context>
    <name>RemovalReview</name>
    <message>
        <source>measuring…</source>
        <translation>計測中…</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>%1 を削除しますか？</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n apps?</source>
        <translation>
            <numerusform>%n 個のアプリを削除しますか？</numerusform>
        </translation>
    </message>
    <message>
        <source>Everything ticked goes to the Trash, where you can still get it back.</source>
        <translation>チェックした項目はすべてゴミ箱に入ります。ゴミ箱からは元に戻せます。</translation>
    </message>
    <message>
        <source>What will be removed</source>
        <translation>削除される項目</translation>
    </message>
    <message>
        <source>Remove app only</source>
        <translation>アプリのみ削除</translation>
    </message>
    <message>
        <source>Remove app and data</source>
        <translation>アプリとデータを削除</translation>
    </message>
    <message>
        <source>%1 (app)</source>
        <translation>%1（アプリ）</translation>
    </message>
    <message>
        <source>Nothing of these apps is on this Mac.</source>
        <translation>これらのアプリは、この Mac 上に何もありません。</translation>
    </message>
    <message>
        <source>needs your administrator password</source>
        <translation>管理者パスワードが必要</translation>
    </message>
    <message numerus="yes">
        <source>App: %1. Data: %2 in %n item(s).</source>
        <translation>
            <numerusform>アプリ: %1。データ: %n 項目、%2。</numerusform>
        </translation>
    </message>
    <message>
        <source>Measuring sizes…</source>
        <translation>サイズを計測中…</translation>
    </message>
</context>
<context>
    <name>RemovalSteps</name>
    <message>
        <source>The background task %1 could not be stopped.</source>
        <extracomment>%1 is the label of a launch job (&quot;com.example.helper&quot;).</extracomment>
        <translation>バックグラウンドタスク %1 を停止できませんでした。</translation>
    </message>
    <message>
        <source>The login item %1 could not be removed.</source>
        <translation>ログイン項目 %1 を削除できませんでした。</translation>
    </message>
    <message>
        <source>%1 It was left where it is.</source>
        <extracomment>%1 is the sentence saying why the Trash refused the item.</extracomment>
        <translation>%1 元の場所に残してあります。</translation>
    </message>
</context>
<context>
    <name>ReplacesLine</name>
    <message>
        <source>Replaces %1</source>
        <extracomment>%1 is a paid app this free one stands in for; its price follows</extracomment>
        <translation>%1 の代わりに</translation>
    </message>
</context>
<context>
    <name>Revert</name>
    <message>
        <source>Homebrew can&apos;t put an earlier version of %1 back.</source>
        <translation>Homebrew では %1 の以前のバージョンに戻せません。</translation>
    </message>
    <message>
        <source>The earlier version of %1 is no longer kept, so it can&apos;t be put back.</source>
        <translation>%1 の以前のバージョンはもう保持されていないため、戻せません。</translation>
    </message>
    <message>
        <source>Putting %1 back</source>
        <extracomment>%1 is the app and the version put back (&quot;Maccy 2.0.1&quot;).</extracomment>
        <translation>%1 を元に戻しています</translation>
    </message>
    <message>
        <source>Putting %1 back.</source>
        <extracomment>%1 is the app and the version put back (&quot;Maccy 2.0.1&quot;).</extracomment>
        <translation>%1 を元に戻しています。</translation>
    </message>
    <message>
        <source>%1 was put back at %2</source>
        <extracomment>%1 is the app and the version put back (&quot;Maccy 2.0.1&quot;), %2 where its bundle now is.</extracomment>
        <translation>%1 を %2 に戻しました</translation>
    </message>
</context>
<context>
    <name>RevertButton</name>
    <message>
        <source>Revert to %1</source>
        <translation>%1 に戻す</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>%1 を %2 に戻す</translation>
    </message>
    <message>
        <source>The earlier version takes %1.</source>
        <translation>以前のバージョンは %1 を使用しています。</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Search apps</source>
        <translation>アプリを検索</translation>
    </message>
    <message>
        <source>Search</source>
        <extracomment>The magnifying glass in the search field, read by a screen reader.</extracomment>
        <translation>検索</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>検索をクリア</translation>
    </message>
</context>
<context>
    <name>ScreenshotStrip</name>
    <message>
        <source>Screenshots</source>
        <translation>スクリーンショット</translation>
    </message>
    <message>
        <source>%1 screenshot %2 of %3</source>
        <extracomment>%1 is the app, %2 this screenshot&apos;s place, %3 how many there are</extracomment>
        <translation>%1 のスクリーンショット（%2/%3）</translation>
    </message>
</context>
<context>
    <name>SelectAllButton</name>
    <message>
        <source>Clear selection</source>
        <translation>選択を解除</translation>
    </message>
    <message>
        <source>Select all hand-picked</source>
        <translation>厳選アプリをすべて選択</translation>
    </message>
</context>
<context>
    <name>SelfRemoval</name>
    <message>
        <source>Orvando can&apos;t remove itself from here. Move it to Applications first, or drag it to the Trash.</source>
        <translation>Orvando はこの場所から自身を削除できません。先にアプリケーションフォルダに移動するか、ゴミ箱にドラッグしてください。</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Uninstall every app Orvando installed?</source>
        <translation>Orvando でインストールしたすべてのアプリをアンインストールしますか？</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>No catalog apps were installed.</source>
        <translation>カタログのアプリはインストールされていませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n app(s).</source>
        <translation>
            <numerusform>%n 個のアプリを削除しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Opened your mail app with the suggestion.</source>
        <translation>提案を入力した状態でメールアプリを開きました。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Remove Orvando but keep my apps?</source>
        <translation>アプリを残して Orvando を削除しますか？</translation>
    </message>
    <message>
        <source>Apps already in Applications stay. Only the Orvando app is removed.</source>
        <translation>アプリケーションにあるアプリはそのまま残ります。削除されるのは Orvando アプリだけです。</translation>
    </message>
    <message>
        <source>Remove Orvando</source>
        <translation>Orvando を削除</translation>
    </message>
    <message>
        <source>Uninstalling apps…</source>
        <translation>アプリをアンインストール中…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Legal</source>
        <comment>settings section heading</comment>
        <translation>法的情報</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>プライバシーポリシー</translation>
    </message>
    <message>
        <source>Terms of use</source>
        <translation>利用規約</translation>
    </message>
    <message>
        <source>Questions: %1</source>
        <extracomment>%1 is the support e-mail address</extracomment>
        <translation>お問い合わせ: %1</translation>
    </message>
    <message>
        <source>Privacy</source>
        <comment>settings section heading</comment>
        <translation>プライバシー</translation>
    </message>
    <message>
        <source>Share analytics with developer</source>
        <translation>解析データをデベロッパと共有</translation>
    </message>
    <message>
        <source>Only anonymous product events, such as installs, are shared. No account, no browsing content. Off by default.</source>
        <translation>インストールなど、匿名の製品イベントだけが共有されます。アカウントや閲覧内容は含まれません。デフォルトではオフです。</translation>
    </message>
    <message>
        <source>Updates</source>
        <comment>settings section heading</comment>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Check for Orvando updates automatically</source>
        <translation>Orvando のアップデートを自動的に確認</translation>
    </message>
    <message>
        <source>Orvando looks for a new version once a day and asks before installing it.</source>
        <translation>Orvando は1日に1回新しいバージョンを確認し、インストールする前に確認を求めます。</translation>
    </message>
    <message>
        <source>Suggest apps</source>
        <comment>settings section heading</comment>
        <translation>アプリを提案</translation>
    </message>
    <message>
        <source>Tell us a tool you wish was in Orvando.</source>
        <translation>Orvando に入っていてほしいツールを教えてください。</translation>
    </message>
    <message>
        <source>App suggestion</source>
        <translation>アプリの提案</translation>
    </message>
    <message>
        <source>Send suggestion</source>
        <translation>提案を送信</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <comment>settings section heading</comment>
        <translation>アンインストール</translation>
    </message>
    <message>
        <source>Uninstall all apps</source>
        <translation>すべてのアプリをアンインストール</translation>
    </message>
    <message>
        <source>Removes catalog apps Orvando installed. Leaves Orvando itself.</source>
        <translation>Orvando でインストールしたカタログのアプリを削除します。Orvando 自体は残ります。</translation>
    </message>
    <message>
        <source>Uninstall Orvando but keep my apps</source>
        <translation>アプリを残して Orvando をアンインストール</translation>
    </message>
    <message>
        <source>Deletes only Orvando. Apps in Applications stay.</source>
        <translation>Orvando だけを削除します。アプリケーション内のアプリは残ります。</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Activity</source>
        <translation>アクティビティ</translation>
    </message>
    <message>
        <source>Show activity</source>
        <translation>アクティビティを表示</translation>
    </message>
    <message>
        <source>What was installed, updated and removed, and how it went</source>
        <translation>インストール、アップデート、削除した内容とその結果</translation>
    </message>
    <message>
        <source>Get the good Mac apps.</source>
        <translation>優れた Mac アプリを手に入れましょう。</translation>
    </message>
    <message>
        <source>Apps and categories</source>
        <translation>アプリとカテゴリ</translation>
    </message>
    <message>
        <source>Handselected apps</source>
        <translation>厳選アプリ</translation>
    </message>
    <message>
        <source>All apps</source>
        <translation>すべてのアプリ</translation>
    </message>
    <message>
        <source>Categories</source>
        <extracomment>The heading above the list of app categories in the sidebar.</extracomment>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>フィードバックを送信</translation>
    </message>
    <message>
        <source>Email %1</source>
        <extracomment>%1 is the support email address.</extracomment>
        <translation>%1 にメール</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Privacy, uninstall, analytics, suggestions</source>
        <translation>プライバシー、アンインストール、解析、提案</translation>
    </message>
    <message>
        <source>Updates (%L1)</source>
        <extracomment>The sidebar row of the apps with a newer version; %L1 is how many.</extracomment>
        <translation>アップデート（%L1）</translation>
    </message>
</context>
<context>
    <name>SignedCatalog</name>
    <message>
        <source>The catalog or its signature is larger than a catalog can be.</source>
        <translation>カタログまたはその署名が、カタログとしてありえないサイズです。</translation>
    </message>
    <message>
        <source>This copy of Orvando has no key to check a catalog with.</source>
        <translation>この Orvando にはカタログを検証するための鍵がありません。</translation>
    </message>
    <message>
        <source>The catalog is not signed.</source>
        <translation>カタログに署名がありません。</translation>
    </message>
    <message>
        <source>The catalog&apos;s signature does not match it.</source>
        <translation>署名がカタログと一致しません。</translation>
    </message>
    <message>
        <source>The catalog was issued %1, not after %2.</source>
        <extracomment>%1 and %2 are moments written as in the catalog, e.g. &quot;2026-12-07T09:30:00Z&quot;.</extracomment>
        <translation>カタログの発行日時は %1 で、%2 より後ではありません。</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdater</name>
    <message>
        <source>Check for Updates…</source>
        <extracomment>The menu item that looks for a newer version of Orvando</extracomment>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>To update Orvando, download the newest version from orvando.app and drag it into Applications, replacing this copy. Your apps and settings stay as they are.</source>
        <extracomment>&quot;Applications&quot; is the Applications folder, as the Finder names it</extracomment>
        <translation>Orvando をアップデートするには、orvando.app から最新バージョンをダウンロードし、「アプリケーション」フォルダにドラッグしてこのコピーを置き換えてください。アプリと設定はそのまま残ります。</translation>
    </message>
    <message>
        <source>This copy of Orvando was built from its source. To update it, get the newest source and run “make run” again. Your apps and settings stay as they are.</source>
        <translation>この Orvando はソースコードからビルドされました。アップデートするには、最新のソースコードを入手して「make run」をもう一度実行してください。アプリと設定はそのまま残ります。</translation>
    </message>
</context>
<context>
    <name>SpinnerRow</name>
    <message>
        <source>Download progress</source>
        <translation>ダウンロードの進行状況</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>“%1” is no longer in the Trash.</source>
        <translation>「%1」はゴミ箱にありません。</translation>
    </message>
    <message>
        <source>Something new is at “%1” now.</source>
        <translation>「%1」には現在別の項目があります。</translation>
    </message>
    <message>
        <source>“%1” couldn’t be put back.</source>
        <translation>「%1」を元に戻せませんでした。</translation>
    </message>
    <message>
        <source>“%1” couldn’t be moved to the Trash (%2).</source>
        <extracomment>%1 is a file&apos;s name, %2 why, in lower case</extracomment>
        <translation>「%1」をゴミ箱に入れられませんでした（%2）。</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>存在しません</translation>
    </message>
    <message>
        <source>there is no Trash folder</source>
        <translation>ゴミ箱フォルダがありません</translation>
    </message>
    <message>
        <source>“” couldn’t be moved to the Trash because it doesn’t exist.</source>
        <translation>「」は存在しないため、ゴミ箱に入れられませんでした。</translation>
    </message>
    <message>
        <source>The item is no longer in the Trash.</source>
        <translation>項目はゴミ箱にありません。</translation>
    </message>
</context>
<context>
    <name>UndoRemoval</name>
    <message>
        <source>Putting %1 back.</source>
        <translation>%1 を元に戻しています。</translation>
    </message>
    <message>
        <source>%1 is back, but not all of it: %2 The rest was put back; nothing was overwritten.</source>
        <extracomment>%1 is the app, %2 one sentence for each item that could not be put back.</extracomment>
        <translation>%1 は戻りましたが、一部は戻せませんでした: %2 それ以外は元に戻しました。上書きされたものはありません。</translation>
    </message>
</context>
<context>
    <name>UndoRemovalButton</name>
    <message>
        <source>Undo</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Undo removing %1</source>
        <translation>%1 の削除を取り消す</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>Removing %1.</source>
        <translation>%1 を削除しています。</translation>
    </message>
    <message>
        <source>Closing %1.</source>
        <translation>%1 を終了しています。</translation>
    </message>
    <message>
        <source>Left alone: %1.</source>
        <extracomment>%1 is a path the removal does not touch, then a colon and why.</extracomment>
        <translation>そのままにしました: %1。</translation>
    </message>
    <message>
        <source>Cleaning up.</source>
        <translation>クリーンアップしています。</translation>
    </message>
    <message>
        <source>%1 needs your administrator password; it was left where it is.</source>
        <translation>%1 には管理者パスワードが必要なため、元の場所に残してあります。</translation>
    </message>
    <message>
        <source>Clearing Accessibility permission.</source>
        <translation>アクセシビリティの許可を解除しています。</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Update did not finish. The version you had is still installed.</source>
        <translation>アップデートが完了しませんでした。以前のバージョンはインストールされたままです。</translation>
    </message>
    <message>
        <source>brew finished but %1 was not found on disk</source>
        <translation>brew は終了しましたが、ディスク上に %1 が見つかりません</translation>
    </message>
    <message>
        <source>Update finished but %1 was not found. You can install it again.</source>
        <translation>アップデートは終了しましたが、%1 が見つかりません。もう一度インストールできます。</translation>
    </message>
    <message>
        <source>Getting %1 ready.</source>
        <extracomment>%1 is the app, with the version coming when it is known (&quot;Maccy 2.1.0&quot;).</extracomment>
        <translation>%1 を準備しています。</translation>
    </message>
    <message>
        <source>%1 is not installed, so there is nothing to update.</source>
        <translation>%1 はインストールされていないため、アップデートするものはありません。</translation>
    </message>
    <message>
        <source>%1 updates through Homebrew, which isn&apos;t set up on this Mac.</source>
        <translation>%1 は Homebrew でアップデートされますが、この Mac には Homebrew がセットアップされていません。</translation>
    </message>
</context>
<context>
    <name>UpdateChoices</name>
    <message>
        <source>Skip this version</source>
        <translation>このバージョンをスキップ</translation>
    </message>
    <message>
        <source>Skip %1 %2</source>
        <translation>%1 %2 をスキップ</translation>
    </message>
    <message>
        <source>Don’t check for updates</source>
        <translation>アップデートを確認しない</translation>
    </message>
    <message>
        <source>Don’t check %1 for updates</source>
        <translation>%1 のアップデートを確認しない</translation>
    </message>
    <message>
        <source>%1 %2 is kept (%3)</source>
        <translation>%1 %2 を保管中（%3）</translation>
    </message>
    <message>
        <source>Revert to %1</source>
        <translation>%1 に戻す</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>%1 を %2 に戻す</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>再確認</translation>
    </message>
    <message>
        <source>Check %1 for updates again</source>
        <translation>%1 のアップデートを再確認</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an app&apos;s name and the version on offer</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>UpdateHolds</name>
    <message>
        <source>You asked not to check %1 for updates.</source>
        <translation>%1 のアップデートを確認しないよう設定しています。</translation>
    </message>
    <message>
        <source>You skipped %1 %2.</source>
        <extracomment>%1 is the app&apos;s name, %2 the version skipped</extracomment>
        <translation>%1 %2 をスキップしました。</translation>
    </message>
</context>
<context>
    <name>UpdatesView</name>
    <message>
        <source>Updates</source>
        <extracomment>The heading of the view of the apps with a newer version.</extracomment>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Update all</source>
        <translation>すべてアップデート</translation>
    </message>
    <message>
        <source>Not every app could be checked for updates: %1</source>
        <extracomment>%1 is one or more sentences saying what went wrong.</extracomment>
        <translation>一部のアプリはアップデートを確認できませんでした：%1</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>アップデートを確認中…</translation>
    </message>
    <message>
        <source>All your apps are up to date.</source>
        <translation>すべてのアプリは最新です。</translation>
    </message>
    <message numerus="yes">
        <source>%n apps have a newer version.</source>
        <translation>
            <numerusform>%n 個のアプリに新しいバージョンがあります。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences one after the other: how many apps have a newer version, then which could not be checked.</extracomment>
        <translation>%1%2</translation>
    </message>
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Try great Mac apps</source>
        <translation>優れた Mac アプリを試す</translation>
    </message>
    <message>
        <source>Browse a handpicked catalog and try great Mac apps before you buy. Install and uninstall cleanly, with no leftovers.</source>
        <translation>厳選されたカタログから、購入前に優れた Mac アプリを試せます。残りのデータを残さずに、きれいにインストール／アンインストールできます。</translation>
    </message>
    <message>
        <source>The first open</source>
        <extracomment>The heading of what happens the first time an app is opened.</extracomment>
        <translation>初めて開くとき</translation>
    </message>
    <message>
        <source>macOS may ask you to confirm opening an app, and some apps need a permission in System Settings. We guide you when it happens.</source>
        <translation>macOS からアプリを開く確認を求められたり、アプリによってはシステム設定での許可が必要になったりすることがあります。その際は手順をご案内します。</translation>
    </message>
    <message>
        <source>Welcome to Orvando</source>
        <translation>Orvando へようこそ</translation>
    </message>
    <message>
        <source>Welcome to Orvando.</source>
        <translation>Orvando へようこそ。</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>始める</translation>
    </message>
</context>
<context>
    <name>ZapPaths</name>
    <message>
        <source>it leads outside its folder</source>
        <translation>フォルダの外を指しています</translation>
    </message>
    <message>
        <source>not a full path</source>
        <translation>完全なパスではありません</translation>
    </message>
    <message>
        <source>it steps out of its folder</source>
        <translation>フォルダの外に出ています</translation>
    </message>
    <message>
        <source>it would match other apps’ files</source>
        <translation>他のアプリのファイルにも一致してしまいます</translation>
    </message>
    <message>
        <source>it belongs to %1</source>
        <translation>%1 のものです</translation>
    </message>
    <message>
        <source>it is a link to another place</source>
        <translation>別の場所へのリンクです</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a path, %2 why it is left alone</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
</TS>
