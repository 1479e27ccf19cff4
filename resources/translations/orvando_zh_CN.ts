<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ActivityModel</name>
    <message>
        <source>Installed %1</source>
        <translation>已安装 %1</translation>
    </message>
    <message>
        <source>%1 didn’t install</source>
        <translation>%1 未能安装</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>已更新 %1</translation>
    </message>
    <message>
        <source>%1 didn’t update</source>
        <translation>%1 未能更新</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>已移除 %1</translation>
    </message>
    <message>
        <source>%1 wasn’t removed</source>
        <translation>%1 未能移除</translation>
    </message>
    <message>
        <source>Set up Homebrew</source>
        <translation>已设置 Homebrew</translation>
    </message>
    <message>
        <source>Homebrew wasn’t set up</source>
        <translation>Homebrew 未能设置</translation>
    </message>
    <message>
        <source>Worked through %1</source>
        <extracomment>A batch install; %1 is how many apps it held, e.g. &quot;3 apps&quot;</extracomment>
        <translation>已处理 %1</translation>
    </message>
    <message>
        <source>Worked through %1, not all of it</source>
        <extracomment>A batch install that left some apps out; %1 is how many apps it held, e.g. &quot;3 apps&quot;</extracomment>
        <translation>已处理 %1，未全部完成</translation>
    </message>
    <message>
        <source>Reverted %1</source>
        <translation>已还原 %1</translation>
    </message>
    <message>
        <source>%1 wasn’t reverted</source>
        <translation>%1 未能还原</translation>
    </message>
    <message>
        <source>Put %1 back</source>
        <translation>已放回 %1</translation>
    </message>
    <message>
        <source>%1 wasn’t put back</source>
        <translation>%1 未能放回</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>进行中</translation>
    </message>
    <message>
        <source>Succeeded</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>被拒绝</translation>
    </message>
    <message>
        <source>Needs Homebrew</source>
        <translation>需要 Homebrew</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>已中断</translation>
    </message>
    <message>
        <source>Homebrew</source>
        <translation>Homebrew</translation>
    </message>
    <message>
        <source>GitHub download</source>
        <translation>GitHub 下载</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Read aloud for a row of Activity: %1 what was done, %2 its outcome in lower case, %3 the versions, route and time</extracomment>
        <translation>%1，%2，%3</translation>
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
        <translation>活动</translation>
    </message>
    <message>
        <source>Show the activity of</source>
        <extracomment>Names the filter whose choices are &quot;All apps&quot; and each app&apos;s name</extracomment>
        <translation>按应用显示活动</translation>
    </message>
    <message>
        <source>Show operations that</source>
        <extracomment>Names the filter whose choices are &quot;Any outcome&quot; and each outcome, e.g. &quot;Failed&quot;</extracomment>
        <translation>按结果显示操作</translation>
    </message>
    <message>
        <source>Any outcome</source>
        <translation>所有结果</translation>
    </message>
    <message>
        <source>Operations, newest first</source>
        <translation>操作（最新的在前）</translation>
    </message>
    <message>
        <source>Open a row for what happened and its log lines.</source>
        <translation>展开一行可查看发生了什么及其日志行。</translation>
    </message>
    <message>
        <source>Nothing has been done yet.</source>
        <translation>尚未执行任何操作。</translation>
    </message>
    <message>
        <source>Close Activity</source>
        <translation>关闭活动</translation>
    </message>
    <message>
        <source>All apps</source>
        <translation>所有应用</translation>
    </message>
    <message>
        <source>No operation matches.</source>
        <translation>没有匹配的操作。</translation>
    </message>
</context>
<context>
    <name>AppArchiveInstaller</name>
    <message>
        <source>The download could not be prepared for unpacking.</source>
        <translation>无法准备解压下载文件。</translation>
    </message>
    <message>
        <source>There is no room to unpack the download.</source>
        <translation>没有足够空间解压下载文件。</translation>
    </message>
</context>
<context>
    <name>AppCard</name>
    <message>
        <source>See %1 screenshots and details.</source>
        <translation>查看 %1 的截图和详细信息。</translation>
    </message>
</context>
<context>
    <name>AppCardActionArea</name>
    <message>
        <source>Installed</source>
        <translation>已安装</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>不可用</translation>
    </message>
    <message>
        <source>Open Accessibility settings</source>
        <translation>打开辅助功能设置</translation>
    </message>
    <message>
        <source>Need help opening it?</source>
        <translation>打开时需要帮助？</translation>
    </message>
    <message>
        <source>Need help opening %1?</source>
        <translation>打开 %1 时需要帮助？</translation>
    </message>
    <message>
        <source>Show the steps for opening %1 the first time.</source>
        <translation>显示首次打开 %1 的步骤。</translation>
    </message>
</context>
<context>
    <name>AppCardContent</name>
    <message>
        <source>Dismiss</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Dismiss what went wrong with %1</source>
        <translation>忽略 %1 的错误</translation>
    </message>
    <message>
        <source>Show %1 as it is on this Mac now.</source>
        <translation>显示 %1 在这台 Mac 上的当前状态。</translation>
    </message>
    <message>
        <source>Show in log</source>
        <translation>在日志中显示</translation>
    </message>
    <message>
        <source>Show what went wrong with %1 in the install log</source>
        <translation>在安装日志中显示 %1 的错误</translation>
    </message>
    <message>
        <source>Open the install log at the lines that explain what went wrong.</source>
        <translation>在说明错误原因的行处打开安装日志。</translation>
    </message>
    <message>
        <source>The free version is all you need. Pro extras are optional.</source>
        <translation>免费版本就够用了。Pro 附加功能可选。</translation>
    </message>
    <message>
        <source>Cancel updating %1</source>
        <translation>取消更新 %1</translation>
    </message>
    <message>
        <source>Cancel installing %1</source>
        <translation>取消安装 %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stop, and leave %1 as it is on disk.</source>
        <translation>停止，并让磁盘上的 %1 保持原样。</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>在 Finder 中显示</translation>
    </message>
    <message>
        <source>Show the app in the way of %1 in Finder</source>
        <translation>在 Finder 中显示妨碍 %1 的应用</translation>
    </message>
    <message>
        <source>Show the app already in Applications, to open it or move it to the Trash.</source>
        <translation>显示“应用程序”中已有的应用，以便打开它或将其移到废纸篓。</translation>
    </message>
    <message>
        <source>Refresh Homebrew</source>
        <translation>刷新 Homebrew</translation>
    </message>
    <message>
        <source>Refresh Homebrew&apos;s list of apps for %1</source>
        <translation>为 %1 刷新 Homebrew 的应用列表</translation>
    </message>
    <message>
        <source>Bring Homebrew&apos;s list of apps up to date, so it knows %1.</source>
        <translation>更新 Homebrew 的应用列表，使其包含 %1。</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Try updating %1 again</source>
        <translation>重新尝试更新 %1</translation>
    </message>
    <message>
        <source>Try installing %1 again</source>
        <translation>重新尝试安装 %1</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>Install %1</source>
        <translation>安装 %1</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>卸载</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>卸载 %1</translation>
    </message>
    <message>
        <source>Remove %1 and its leftover files from this Mac.</source>
        <translation>从这台 Mac 上移除 %1 及其残留数据。</translation>
    </message>
    <message>
        <source>Update %1 to %2</source>
        <extracomment>%1 is the app, %2 the version it is updated to</extracomment>
        <translation>将 %1 更新到 %2</translation>
    </message>
    <message>
        <source>Install %1 %2 in place of the installed version.</source>
        <extracomment>%1 is the app, %2 the newer version</extracomment>
        <translation>安装 %1 %2 以替换已安装的版本。</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>verb: open the app</comment>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>打开 %1</translation>
    </message>
    <message>
        <source>Installed: %1</source>
        <extracomment>%1 is the version on this Mac</extracomment>
        <translation>已安装：%1</translation>
    </message>
    <message>
        <source>Setting up Homebrew…</source>
        <translation>正在设置 Homebrew…</translation>
    </message>
    <message>
        <source>Installed. %1 available.</source>
        <extracomment>%1 is the update button&apos;s title, e.g. &quot;Update to 2.1.0&quot;</extracomment>
        <translation>已安装。可用：%1。</translation>
    </message>
    <message>
        <source>Downloading, %1%</source>
        <translation>正在下载，%1%</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>已安装</translation>
    </message>
</context>
<context>
    <name>AppDetailView</name>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Heading over the app&apos;s description</extracomment>
        <translation>简介</translation>
    </message>
</context>
<context>
    <name>AppIconTile</name>
    <message>
        <source>%1 icon</source>
        <extracomment>%1 is the app&apos;s name</extracomment>
        <translation>%1 图标</translation>
    </message>
</context>
<context>
    <name>AppSelectBox</name>
    <message>
        <source>Select %1</source>
        <translation>选择 %1</translation>
    </message>
    <message>
        <source>Select %1 to install it with others</source>
        <translation>选择 %1，与其他应用一起安装</translation>
    </message>
</context>
<context>
    <name>AppSetFile</name>
    <message>
        <source>The file is not a list of apps: it holds binary data, not text.</source>
        <translation>该文件不是应用列表：其中包含二进制数据，而非文本。</translation>
    </message>
    <message>
        <source>The file is empty, so it names no apps.</source>
        <translation>该文件为空，未列出任何应用。</translation>
    </message>
    <message>
        <source>“%1” is too large to be a list of apps.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>“%1”太大，不可能是应用列表。</translation>
    </message>
    <message>
        <source>Could not read “%1”: it is not a file.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>无法读取“%1”：它不是文件。</translation>
    </message>
    <message>
        <source>Could not read “%1”: %2.</source>
        <extracomment>%1 is a file name, %2 why it could not be read.</extracomment>
        <translation>无法读取“%1”：%2。</translation>
    </message>
    <message>
        <source>Could not save “%1”: %2.</source>
        <extracomment>%1 is a file name, %2 why it could not be saved.</extracomment>
        <translation>无法存储“%1”：%2。</translation>
    </message>
</context>
<context>
    <name>AppSetTransfer</name>
    <message>
        <source>Export my apps…</source>
        <extracomment>The File menu item that saves the installed apps to a Brewfile.</extracomment>
        <translation>导出我的应用…</translation>
    </message>
    <message>
        <source>Install from file…</source>
        <extracomment>The File menu item that installs the apps listed in a Brewfile.</extracomment>
        <translation>从文件安装…</translation>
    </message>
    <message>
        <source>Export my apps</source>
        <translation>导出我的应用</translation>
    </message>
    <message>
        <source>Your apps could not be exported.</source>
        <translation>无法导出你的应用。</translation>
    </message>
    <message>
        <source>Install from file</source>
        <translation>从文件安装</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>无法读取该文件。</translation>
    </message>
</context>
<context>
    <name>AppStatus</name>
    <message>
        <source>not installed</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>未安装</translation>
    </message>
    <message>
        <source>installed</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>已安装</translation>
    </message>
    <message>
        <source>update available</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>有可用更新</translation>
    </message>
    <message>
        <source>unavailable</source>
        <extracomment>An app&apos;s state in a list column: Homebrew no longer offers it</extracomment>
        <translation>不可用</translation>
    </message>
    <message>
        <source>installing</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>正在安装</translation>
    </message>
    <message>
        <source>removing</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>正在移除</translation>
    </message>
    <message>
        <source>failed</source>
        <extracomment>An app&apos;s state in a list column: its last operation failed</extracomment>
        <translation>失败</translation>
    </message>
    <message>
        <source>needs Homebrew</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>需要 Homebrew</translation>
    </message>
    <message>
        <source>Update to %1</source>
        <extracomment>A button; %1 is the newer version, e.g. 2.1.0</extracomment>
        <translation>更新到 %1</translation>
    </message>
</context>
<context>
    <name>AskpassDialog</name>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Administrator password</source>
        <translation>管理员密码</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Homebrew needs your Mac password to continue.</source>
        <translation>Homebrew 需要你的 Mac 密码才能继续。</translation>
    </message>
    <message>
        <source>Homebrew needs your Mac password to finish with %1.</source>
        <extracomment>%1 is the name of the app being installed, updated or removed.</extracomment>
        <translation>Homebrew 需要你的 Mac 密码才能完成 %1 的操作。</translation>
    </message>
</context>
<context>
    <name>BatchFooter</name>
    <message>
        <source>Installs the selected apps one after another</source>
        <translation>逐个安装所选应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stops the app being installed and installs no other</source>
        <translation>停止正在安装的应用，并且不再安装其他应用</translation>
    </message>
    <message>
        <source>Try failed again</source>
        <translation>重试失败项</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Hides the summary of the last batch</source>
        <translation>隐藏上一批安装的摘要</translation>
    </message>
    <message numerus="yes">
        <source>Install %n apps</source>
        <translation>
            <numerusform>安装 %n 个应用</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchInstaller</name>
    <message numerus="yes">
        <source>%n installed</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were installed</extracomment>
        <translation>
            <numerusform>已安装 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updated</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were updated</extracomment>
        <translation>
            <numerusform>已更新 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were removed</extracomment>
        <translation>
            <numerusform>已移除 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cancelled</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were cancelled</extracomment>
        <translation>
            <numerusform>已取消 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were skipped</extracomment>
        <translation>
            <numerusform>已跳过 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 is an app&apos;s name, %2 the sentence saying why it failed</extracomment>
        <translation>%1——%2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed: %1</source>
        <extracomment>Part of a batch&apos;s summary: how many apps failed, then %1 the reasons, one sentence each</extracomment>
        <translation>
            <numerusform>%n 个失败：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of a batch&apos;s summary, as in &quot;3 installed, 1 skipped&quot;</extracomment>
        <translation>，</translation>
    </message>
    <message numerus="yes">
        <source>%n app(s)</source>
        <extracomment>A batch&apos;s name in the history of operations</extracomment>
        <translation>
            <numerusform>%n 个应用</numerusform>
        </translation>
    </message>
    <message>
        <source>The window closed before this operation finished.</source>
        <translation>此操作完成前窗口已关闭。</translation>
    </message>
    <message>
        <source>Setting up Homebrew (one-time).</source>
        <translation>正在设置 Homebrew（仅需一次）。</translation>
    </message>
    <message>
        <source>Installing %1 of %2: %3</source>
        <extracomment>%1 of %2 counts the apps of a batch; %3 is the app&apos;s name</extracomment>
        <translation>正在安装第 %1 个，共 %2 个：%3</translation>
    </message>
    <message>
        <source>Updating %1 of %2: %3</source>
        <extracomment>%1 of %2 counts the apps of a batch; %3 is the app&apos;s name</extracomment>
        <translation>正在更新第 %1 个，共 %2 个：%3</translation>
    </message>
    <message>
        <source>Removing %1 of %2: %3</source>
        <extracomment>%1 of %2 counts the apps of a batch; %3 is the app&apos;s name</extracomment>
        <translation>正在移除第 %1 个，共 %2 个：%3</translation>
    </message>
    <message>
        <source>%1 is already installed.</source>
        <translation>%1 已安装。</translation>
    </message>
    <message>
        <source>%1 is not installed.</source>
        <translation>%1 未安装。</translation>
    </message>
</context>
<context>
    <name>BeforeInstallFacts</name>
    <message>
        <source>Version</source>
        <extracomment>A row&apos;s title in &quot;Before you install&quot;</extracomment>
        <translation>版本</translation>
    </message>
    <message>
        <source>%1 (from %2)</source>
        <extracomment>%1 is a version, %2 where it comes from: Homebrew or GitHub</extracomment>
        <translation>%1（来自 %2）</translation>
    </message>
    <message>
        <source>Download from</source>
        <extracomment>A row&apos;s title in &quot;Before you install&quot;: the host the app is downloaded from</extracomment>
        <translation>下载来源</translation>
    </message>
    <message>
        <source>Checksum</source>
        <extracomment>A row&apos;s title in &quot;Before you install&quot;</extracomment>
        <translation>校验和</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>A row&apos;s title in &quot;Before you install&quot;: the download&apos;s size</extracomment>
        <translation>大小</translation>
    </message>
    <message>
        <source>Before you install</source>
        <translation>安装前须知</translation>
    </message>
    <message>
        <source>Not known yet</source>
        <translation>尚不清楚</translation>
    </message>
</context>
<context>
    <name>BrewNetwork</name>
    <message>
        <source>A mirror address starts with https:// and names a host, like https://mirror.example.com/homebrew.</source>
        <translation>镜像地址以 https:// 开头并包含主机名，例如 https://mirror.example.com/homebrew。</translation>
    </message>
</context>
<context>
    <name>BrewNotes</name>
    <message>
        <source>Downloading %1.</source>
        <translation>正在下载 %1。</translation>
    </message>
    <message>
        <source>Installing %1.</source>
        <translation>正在安装 %1。</translation>
    </message>
    <message>
        <source>Putting %1 in place.</source>
        <translation>正在放置 %1。</translation>
    </message>
    <message>
        <source>Almost done.</source>
        <translation>即将完成。</translation>
    </message>
    <message>
        <source>Working on %1.</source>
        <translation>正在处理 %1。</translation>
    </message>
    <message>
        <source>Cleaning up.</source>
        <translation>正在清理。</translation>
    </message>
    <message>
        <source>Removing %1.</source>
        <translation>正在移除 %1。</translation>
    </message>
</context>
<context>
    <name>BrewQuery</name>
    <message>
        <source>%1 was not run: Orvando is quitting.</source>
        <extracomment>%1 is a command, such as brew info</extracomment>
        <translation>%1 未运行：Orvando 正在退出。</translation>
    </message>
    <message>
        <source>%1 could not be started: %2.</source>
        <extracomment>%1 is a command, such as brew info; %2 the system&apos;s reason</extracomment>
        <translation>无法启动 %1：%2。</translation>
    </message>
    <message numerus="yes">
        <source>%1 did not answer within %n seconds.</source>
        <extracomment>%1 is a command, such as brew info</extracomment>
        <translation>
            <numerusform>%1 未在 %n 秒内响应。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 failed (code %2).</source>
        <extracomment>%1 is a command, such as brew info; %2 its exit code</extracomment>
        <translation>%1 失败（代码 %2）。</translation>
    </message>
    <message>
        <source>%1 failed (code %2): %3</source>
        <extracomment>%1 is a command, such as brew info; %2 its exit code; %3 brew&apos;s own message</extracomment>
        <translation>%1 失败（代码 %2）：%3</translation>
    </message>
</context>
<context>
    <name>BrewResult</name>
    <message>
        <source>No Homebrew found on this Mac.</source>
        <translation>在此 Mac 上未找到 Homebrew。</translation>
    </message>
</context>
<context>
    <name>BrewRunner</name>
    <message>
        <source>Install did not finish. You can try again.</source>
        <translation>安装未完成。你可以重试。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
</context>
<context>
    <name>BundlePlacer</name>
    <message>
        <source>Could not put %1 into %2: %3.</source>
        <extracomment>%1 is an app&apos;s file name, %2 a folder, %3 the system&apos;s reason</extracomment>
        <translation>无法将 %1 放入 %2：%3。</translation>
    </message>
    <message>
        <source>Could not put %1 into %2. %3</source>
        <extracomment>%1 is an app&apos;s file name, %2 a folder, %3 a sentence saying why</extracomment>
        <translation>无法将 %1 放入 %2。%3</translation>
    </message>
</context>
<context>
    <name>CaskFactsText</name>
    <message>
        <source> Homebrew suggests “%1” instead.</source>
        <extracomment>Follows another sentence, so it starts with a space; %1 is the name of another app or cask</extracomment>
        <translation>Homebrew 建议改用“%1”。</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date format</comment>
        <extracomment>The date format for when Homebrew stops offering an app, as in 1 September 2026 (Qt&apos;s date pattern letters)</extracomment>
        <translation>yyyy年M月d日</translation>
    </message>
    <message>
        <source>its makers have stopped working on it</source>
        <translation>其开发者已停止开发</translation>
    </message>
    <message>
        <source>it is now only on the Mac App Store</source>
        <translation>它现在仅在 Mac App Store 提供</translation>
    </message>
    <message>
        <source>its makers no longer offer the download</source>
        <translation>其开发者已不再提供下载</translation>
    </message>
    <message>
        <source>it no longer meets Homebrew’s rules for apps</source>
        <translation>它不再符合 Homebrew 的应用规则</translation>
    </message>
    <message>
        <source>nobody maintains it any more</source>
        <translation>已无人维护</translation>
    </message>
    <message>
        <source>it does not pass Apple’s Gatekeeper check</source>
        <translation>它未通过 Apple 的 Gatekeeper 检查</translation>
    </message>
    <message>
        <source>it contains a part Apple’s security checks reject</source>
        <translation>它包含被 Apple 安全检查拒绝的部分</translation>
    </message>
    <message>
        <source>its source code repository has been archived</source>
        <translation>其源代码仓库已归档</translation>
    </message>
    <message>
        <source>its source code repository has been removed</source>
        <translation>其源代码仓库已被移除</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1, since %2.</source>
        <extracomment>%1 is an app&apos;s name, %2 a date</extracomment>
        <translation>自 %2 起，Homebrew 不再提供 %1。</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1: %2, since %3.</source>
        <extracomment>%1 is an app&apos;s name, %2 why, as a clause (&quot;its makers have stopped working on it&quot;), %3 a date</extracomment>
        <translation>自 %3 起，Homebrew 不再提供 %1：%2。</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1.</source>
        <extracomment>%1 is an app&apos;s name</extracomment>
        <translation>Homebrew 不再提供 %1。</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1: %2.</source>
        <extracomment>%1 is an app&apos;s name, %2 why, as a clause (&quot;its makers have stopped working on it&quot;)</extracomment>
        <translation>Homebrew 不再提供 %1：%2。</translation>
    </message>
    <message>
        <source>Homebrew no longer recommends %1.</source>
        <extracomment>%1 is an app&apos;s name</extracomment>
        <translation>Homebrew 不再推荐 %1。</translation>
    </message>
    <message>
        <source>Homebrew no longer recommends %1: %2.</source>
        <extracomment>%1 is an app&apos;s name, %2 why, as a clause (&quot;its makers have stopped working on it&quot;)</extracomment>
        <translation>Homebrew 不再推荐 %1：%2。</translation>
    </message>
    <message>
        <source> It will stop offering it on %1.</source>
        <extracomment>Follows another sentence, so it starts with a space; %1 is a date</extracomment>
        <translation>将于 %1 停止提供。</translation>
    </message>
    <message>
        <source>Checksum verified by Homebrew</source>
        <translation>校验和已由 Homebrew 验证</translation>
    </message>
    <message>
        <source>Not verified: this app&apos;s download changes with every release</source>
        <translation>未验证：此应用的下载文件每次发布都会变化</translation>
    </message>
    <message>
        <source>Verified against GitHub&apos;s published digest</source>
        <translation>已根据 GitHub 发布的摘要验证</translation>
    </message>
    <message>
        <source>Not verified: GitHub published no digest for this download</source>
        <translation>未验证：GitHub 未发布此下载的摘要</translation>
    </message>
    <message>
        <source>Updates itself</source>
        <translation>自动更新</translation>
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
            <numerusform>目录：内置，%n 个应用</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Catalog: updated %1, %n apps</source>
        <extracomment>%1 is the day the catalog in use was issued, e.g. &quot;7 December 2026&quot;.</extracomment>
        <translation>
            <numerusform>目录：%1更新，%n 个应用</numerusform>
        </translation>
    </message>
    <message>
        <source>A newer catalog from %1 is ready. Orvando uses it the next time it opens.</source>
        <extracomment>%1 is the day the newer catalog was issued, e.g. &quot;7 December 2026&quot;.</extracomment>
        <translation>%1发布的新目录已就绪。Orvando 将在下次打开时使用它。</translation>
    </message>
</context>
<context>
    <name>CatalogApp</name>
    <message>
        <source>Window &amp; desktop</source>
        <extracomment>A category of apps, in the sidebar and on an app&apos;s page.</extracomment>
        <translation>窗口与桌面</translation>
    </message>
    <message>
        <source>Clipboard &amp; text</source>
        <extracomment>A category of apps, in the sidebar and on an app&apos;s page.</extracomment>
        <translation>剪贴板与文本</translation>
    </message>
    <message>
        <source>Media</source>
        <extracomment>A category of apps (video, audio, images), in the sidebar and on an app&apos;s page.</extracomment>
        <translation>媒体</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <extracomment>A category of apps that live in the menu bar, in the sidebar and on an app&apos;s page.</extracomment>
        <translation>菜单栏</translation>
    </message>
    <message>
        <source>Privacy &amp; security</source>
        <extracomment>A category of apps (password managers), in the sidebar and on an app&apos;s page.</extracomment>
        <translation>隐私与安全性</translation>
    </message>
    <message>
        <source>Files &amp; disk</source>
        <extracomment>A category of apps, in the sidebar and on an app&apos;s page.</extracomment>
        <translation>文件与磁盘</translation>
    </message>
    <message>
        <source>Proprietary</source>
        <extracomment>An app&apos;s licence: closed source, owned by its maker.</extracomment>
        <translation>专有</translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>An app&apos;s price: it costs nothing.</extracomment>
        <translation>免费</translation>
    </message>
    <message>
        <source>Freemium</source>
        <extracomment>An app&apos;s price: free, with paid extras.</extracomment>
        <translation>免费增值</translation>
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
        <translation>键“%1”没有对应的值。</translation>
    </message>
    <message>
        <source>Expected a string for key &quot;%1&quot;.</source>
        <extracomment>%1 is a JSON key of a catalog entry.</extracomment>
        <translation>键“%1”的值应为字符串。</translation>
    </message>
    <message>
        <source>Expected an object for key &quot;%1&quot;.</source>
        <extracomment>%1 is a JSON key of a catalog entry.</extracomment>
        <translation>键“%1”的值应为对象。</translation>
    </message>
    <message>
        <source>Cannot initialize %1 from invalid value &quot;%2&quot;.</source>
        <extracomment>%1 is a JSON key of a catalog entry (&quot;category&quot;), %2 the value found there.</extracomment>
        <translation>“%2”不是 %1 的有效值。</translation>
    </message>
    <message>
        <source>Invalid number of keys found, expected one.</source>
        <extracomment>The &quot;install&quot; field of a catalog entry must name exactly one kind of source.</extracomment>
        <translation>键的数量无效，应为一个。</translation>
    </message>
    <message>
        <source>Cannot initialize install from invalid key &quot;%1&quot;.</source>
        <extracomment>%1 is a JSON key found in the &quot;install&quot; field of a catalog entry.</extracomment>
        <translation>“%1”不是 install 的有效键。</translation>
    </message>
    <message>
        <source>Expected an array for key &quot;screenshots&quot;.</source>
        <translation>键“screenshots”的值应为数组。</translation>
    </message>
    <message>
        <source>Expected a string in &quot;screenshots&quot;.</source>
        <translation>“screenshots”中的元素应为字符串。</translation>
    </message>
    <message>
        <source>Expected a boolean for key &quot;isCurated&quot;.</source>
        <translation>键“isCurated”的值应为布尔值。</translation>
    </message>
</context>
<context>
    <name>CatalogDocument</name>
    <message>
        <source>the id is not a plain lower-case name</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>ID 不是纯小写的简单名称</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>名称为空</translation>
    </message>
    <message>
        <source>the cask token is not one brew would take as a name</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>cask 标记不是 brew 可接受的名称</translation>
    </message>
    <message>
        <source>the GitHub repository is not &quot;owner/name&quot;</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>GitHub 仓库不是“owner/name”格式</translation>
    </message>
    <message>
        <source>an asset name is not a plain file name</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>某个资源名称不是简单的文件名</translation>
    </message>
    <message>
        <source>the home page is not an https address</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>主页不是 https 地址</translation>
    </message>
    <message>
        <source>the bundle identifier is not one macOS would accept</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>包标识符不是 macOS 可接受的格式</translation>
    </message>
    <message>
        <source>a screenshot name is not a plain name</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>某个截屏名称不是简单名称</translation>
    </message>
    <message>
        <source>The catalog is not a JSON object.</source>
        <translation>目录不是 JSON 对象。</translation>
    </message>
    <message>
        <source>The catalog is not of format %1.</source>
        <extracomment>%1 is the number of the catalog layout this program reads, e.g. 1.</extracomment>
        <translation>目录的格式不是 %1。</translation>
    </message>
    <message>
        <source>The catalog has no valid &quot;issued&quot; date and time.</source>
        <translation>目录没有有效的“issued”日期和时间。</translation>
    </message>
    <message>
        <source>The catalog has no list of apps.</source>
        <translation>目录中没有应用列表。</translation>
    </message>
    <message>
        <source>Entry %1 is not an object.</source>
        <extracomment>%1 is the number of an entry in the catalog&apos;s list of apps, from 1.</extracomment>
        <translation>第 %1 项不是对象。</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <extracomment>%1 is the number of an entry in the catalog&apos;s list of apps, %2 what is wrong with it.</extracomment>
        <translation>第 %1 项：%2</translation>
    </message>
    <message>
        <source>Entry %1 (&quot;%2&quot;): %3.</source>
        <extracomment>%1 is the number of an entry in the catalog&apos;s list of apps, %2 its id, %3 what is wrong with it (&quot;the name is empty&quot;).</extracomment>
        <translation>第 %1 项（“%2”）：%3。</translation>
    </message>
    <message>
        <source>Entry %1: the id &quot;%2&quot; is used twice.</source>
        <extracomment>%1 is the number of an entry in the catalog&apos;s list of apps, %2 its id.</extracomment>
        <translation>第 %1 项：ID“%2”被使用了两次。</translation>
    </message>
</context>
<context>
    <name>CatalogList</name>
    <message>
        <source>A clipboard that remembers what you copied.</source>
        <translation>能记住你所拷贝内容的剪贴板。</translation>
    </message>
    <message>
        <source>Hide and arrange your menu bar icons.</source>
        <translation>隐藏并排列菜单栏图标。</translation>
    </message>
    <message>
        <source>Snap windows into place with a keyboard shortcut.</source>
        <translation>使用键盘快捷键将窗口吸附到位。</translation>
    </message>
    <message>
        <source>Arrange windows by flicking your mouse to an edge.</source>
        <translation>将鼠标快速甩向边缘即可排列窗口。</translation>
    </message>
    <message>
        <source>See every window when you switch with the keyboard.</source>
        <translation>用键盘切换时看到每一个窗口。</translation>
    </message>
    <message>
        <source>A video player that plays everything.</source>
        <translation>什么都能播放的视频播放器。</translation>
    </message>
    <message>
        <source>Convert video into a smaller, shareable file.</source>
        <translation>将视频转换为更小、便于共享的文件。</translation>
    </message>
    <message>
        <source>Convert audio, video, and images with pro control.</source>
        <translation>以专业级控制转换音频、视频和图像。</translation>
    </message>
    <message>
        <source>Download video and audio from the web, beautifully.</source>
        <translation>优雅地从网上下载视频和音频。</translation>
    </message>
    <message>
        <source>See CPU, memory, and network in your menu bar.</source>
        <translation>在菜单栏中查看 CPU、内存和网络。</translation>
    </message>
    <message>
        <source>Open and make archives in any format.</source>
        <translation>打开和创建任意格式的归档。</translation>
    </message>
    <message>
        <source>Type a short code and expand it into anything.</source>
        <translation>输入简短代码，即可展开为任意内容。</translation>
    </message>
    <message>
        <source>Tune resolution, brightness, and dummy displays.</source>
        <translation>调整分辨率、亮度和虚拟显示器。</translation>
    </message>
    <message>
        <source>Screenshot, annotate, and pull text out of any image.</source>
        <translation>截屏、标注，并从任意图像中提取文字。</translation>
    </message>
    <message>
        <source>Uninstall apps and sweep up the files they leave behind.</source>
        <translation>卸载应用，并清理它们留下的文件。</translation>
    </message>
    <message>
        <source>Pomodoro timer in your menu bar.</source>
        <translation>菜单栏中的番茄钟。</translation>
    </message>
    <message>
        <source>Launch apps and run quick actions from one bar.</source>
        <translation>在一个栏中启动应用并执行快速操作。</translation>
    </message>
    <message>
        <source>Make any mouse scroll and track the way you want.</source>
        <translation>让任何鼠标都按你想要的方式滚动和跟踪。</translation>
    </message>
    <message>
        <source>Read your news feeds in one quiet place.</source>
        <translation>在一个安静的地方阅读你的新闻订阅。</translation>
    </message>
    <message>
        <source>The player that has never met a file it cannot open.</source>
        <translation>从未遇到过打不开的文件的播放器。</translation>
    </message>
    <message>
        <source>Draw and edit vector graphics for free.</source>
        <translation>免费绘制和编辑矢量图形。</translation>
    </message>
    <message>
        <source>Tuck away the menu bar icons you rarely need.</source>
        <translation>收起很少用到的菜单栏图标。</translation>
    </message>
    <message>
        <source>Keep your passwords in a vault you own.</source>
        <translation>将密码保存在属于你自己的保险库中。</translation>
    </message>
    <message>
        <source>Sync your passwords across every device you own.</source>
        <translation>在你的所有设备间同步密码。</translation>
    </message>
    <message>
        <source>Write an OS image to an SD card without fuss.</source>
        <translation>轻松将系统映像写入 SD 卡。</translation>
    </message>
    <message>
        <source>Send files between your devices over the local network.</source>
        <translation>通过本地网络在你的设备之间发送文件。</translation>
    </message>
    <message>
        <source>Browse FTP and cloud storage like a folder.</source>
        <translation>像浏览文件夹一样浏览 FTP 和云存储。</translation>
    </message>
    <message>
        <source>Organize and convert your ebook library.</source>
        <translation>整理和转换你的电子书库。</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>GitHub releases of %1 (%2)</source>
        <extracomment>%1 is a GitHub repository, %2 the file downloaded from its releases</extracomment>
        <translation>%1 的 GitHub 发布版本（%2）</translation>
    </message>
    <message>
        <source>Homebrew cask %1</source>
        <translation>Homebrew cask %1</translation>
    </message>
    <message>
        <source>The free version is all you need. Pro extras are optional.</source>
        <translation>免费版就够用了。Pro 附加功能可选。</translation>
    </message>
    <message>
        <source>Replaces %1 - %2</source>
        <extracomment>%1 is a paid app, %2 its price, such as $30/yr</extracomment>
        <translation>替代 %1 – %2</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>%1 (installed %2)</source>
        <extracomment>%1 is the update, such as &quot;Update to 2.1.0&quot;, %2 the installed version</extracomment>
        <translation>%1（已安装 %2）</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>License</source>
        <translation>许可证</translation>
    </message>
    <message>
        <source>Pricing</source>
        <translation>价格</translation>
    </message>
    <message>
        <source>Hand-picked</source>
        <translation>精选</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Bundle ID</source>
        <translation>Bundle ID</translation>
    </message>
    <message>
        <source>none recorded</source>
        <translation>未记录</translation>
    </message>
    <message>
        <source>Installed at</source>
        <translation>安装位置</translation>
    </message>
    <message>
        <source>list: every app, not only the hand-picked ones; update: every app with an update</source>
        <translation>list：所有应用，而不只是精选应用；update：所有有更新的应用</translation>
    </message>
    <message>
        <source>only the apps of one category: window, clipboard, media, menubar, security, files</source>
        <translation>仅某一类别的应用：window、clipboard、media、menubar、security、files</translation>
    </message>
    <message>
        <source>apps whose name, description, category or replaced app holds the text</source>
        <translation>名称、描述、类别或所替代应用中包含该文本的应用</translation>
    </message>
    <message>
        <source>print JSON (documented in the README) instead of text</source>
        <translation>输出 JSON（见 README）而非文本</translation>
    </message>
    <message>
        <source>install without asking for confirmation</source>
        <translation>安装前不询问确认</translation>
    </message>
    <message>
        <source>history: list at most n operations (20 unless given)</source>
        <translation>history：最多列出 n 项操作（未指定时为 20）</translation>
    </message>
    <message>
        <source>never set up Homebrew; exit with 3 when an app needs it</source>
        <translation>从不设置 Homebrew；应用需要时以 3 退出</translation>
    </message>
    <message>
        <source>uninstall: remove the app only; its settings and data stay</source>
        <translation>uninstall：仅移除应用；保留其设置和数据</translation>
    </message>
    <message>
        <source>uninstall: list what would go, with sizes; nothing is changed</source>
        <translation>uninstall：列出将移除的内容及大小；不做任何更改</translation>
    </message>
    <message>
        <source>no progress and no success messages; errors only</source>
        <translation>不显示进度和成功信息；仅显示错误</translation>
    </message>
    <message>
        <source>also print brew&apos;s own lines</source>
        <translation>同时输出 brew 自身的内容</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>本帮助</translation>
    </message>
    <message>
        <source>The hand-picked apps (every app with --all), with their state.</source>
        <translation>精选应用（使用 --all 时为所有应用）及其状态。</translation>
    </message>
    <message>
        <source>Everything about one app: what it is, its state, and what you are about to trust.</source>
        <translation>关于一个应用的一切：它是什么、它的状态，以及你将要信任的内容。</translation>
    </message>
    <message>
        <source>Installs apps, one after another.</source>
        <translation>逐个安装应用。</translation>
    </message>
    <message>
        <source>Removes apps and the files they leave behind, to the Trash.</source>
        <translation>将应用及其遗留的文件移到废纸篓。</translation>
    </message>
    <message>
        <source>Updates the apps named, or every app with an update (those that update themselves are left alone).</source>
        <translation>更新指定的应用，或所有有更新的应用（会自动更新的应用不做处理）。</translation>
    </message>
    <message>
        <source>The installed apps that have a newer version.</source>
        <translation>有更新版本的已安装应用。</translation>
    </message>
    <message>
        <source>Writes the installed apps as a Brewfile, to the file or to standard output.</source>
        <translation>将已安装的应用写为 Brewfile，输出到文件或标准输出。</translation>
    </message>
    <message>
        <source>Installs the apps a Brewfile or a list of ids names, once you have confirmed the set.</source>
        <translation>确认后，安装 Brewfile 或 ID 列表中列出的应用。</translation>
    </message>
    <message>
        <source>What Orvando did, newest first: every operation, one app&apos;s (by its id), or one operation in full (by its number).</source>
        <translation>Orvando 做过的事，最新的在前：所有操作、某个应用的操作（按其 ID），或某项操作的完整信息（按其编号）。</translation>
    </message>
    <message>
        <source>Puts back the version of a downloaded app that its last update replaced.</source>
        <translation>还原下载的应用被上次更新替换掉的版本。</translation>
    </message>
    <message>
        <source>Name the apps to update, or use --all, not both.</source>
        <translation>请指定要更新的应用或使用 --all，不能同时使用。</translation>
    </message>
    <message>
        <source>The %1 command needs one file.</source>
        <extracomment>%1 is a command&apos;s name, such as info</extracomment>
        <translation>%1 命令需要一个文件。</translation>
    </message>
    <message>
        <source>The %1 command needs one app id.</source>
        <translation>%1 命令需要一个应用 ID。</translation>
    </message>
    <message>
        <source>Name at least one app to %1.</source>
        <translation>请至少指定一个要 %1 的应用。</translation>
    </message>
    <message>
        <source>The %1 command takes no app or file names.</source>
        <translation>%1 命令不接受应用或文件名。</translation>
    </message>
    <message>
        <source>The %1 command takes one name only.</source>
        <translation>%1 命令只接受一个名称。</translation>
    </message>
    <message>
        <source>Name a command. “%1 --help” lists them.</source>
        <translation>请指定一个命令。“%1 --help”会列出所有命令。</translation>
    </message>
    <message>
        <source>Unknown command “%1”.</source>
        <translation>未知命令“%1”。</translation>
    </message>
    <message>
        <source>“%1 --help” lists the commands.</source>
        <translation>“%1 --help”会列出所有命令。</translation>
    </message>
    <message>
        <source>Unknown option “%1” for %2.</source>
        <extracomment>%1 is the option typed, %2 the command&apos;s name</extracomment>
        <translation>%2 的未知选项“%1”。</translation>
    </message>
    <message>
        <source>Did you mean “%1”?</source>
        <translation>你是想输入“%1”吗？</translation>
    </message>
    <message>
        <source>“%1 %2 --help” lists its options.</source>
        <translation>“%1 %2 --help”会列出其选项。</translation>
    </message>
    <message>
        <source>%1 needs a value: %2.</source>
        <extracomment>%1 is the option, %2 what it takes, such as &lt;n&gt;</extracomment>
        <translation>%1 需要一个值：%2。</translation>
    </message>
    <message>
        <source>--limit needs a whole number above 0.</source>
        <translation>--limit 需要一个大于 0 的整数。</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <translation>%1 不接受值。</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is the command line as typed, such as &quot;orvando-cli info &lt;id&gt;&quot;</extracomment>
        <translation>用法：%1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>The hand-picked catalog of free Mac apps, from a terminal or a script.</source>
        <translation>精选的免费 Mac 应用目录，可在终端或脚本中使用。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>程序版本</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 an operation failed, 2 bad usage, 3 Homebrew is needed and was not set up, 130 interrupted.</source>
        <translation>退出状态：0 完成，1 有操作失败，2 用法错误，3 需要 Homebrew 但未设置，130 已中断。</translation>
    </message>
    <message>
        <source>Unknown app “%1”.</source>
        <translation>未知应用“%1”。</translation>
    </message>
    <message>
        <source>The list --all command shows every app.</source>
        <translation>list --all 命令会显示所有应用。</translation>
    </message>
    <message>
        <source>Unknown category “%1”.</source>
        <extracomment>%1 lists the category names to type, which stay in English</extracomment>
        <translation>未知类别“%1”。</translation>
    </message>
    <message>
        <source>The categories are %1.</source>
        <translation>类别有：%1。</translation>
    </message>
    <message>
        <source>Installed %1.</source>
        <translation>已安装 %1。</translation>
    </message>
    <message>
        <source>Updated %1.</source>
        <extracomment>%1 is the app, %2 its new version</extracomment>
        <translation>已更新 %1。</translation>
    </message>
    <message>
        <source>Updated %1 to %2.</source>
        <translation>已将 %1 更新到 %2。</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>已移除 %1。</translation>
    </message>
    <message>
        <source>Not started: %1.</source>
        <extracomment>%1 lists the apps&apos; names</extracomment>
        <translation>未开始：%1。</translation>
    </message>
    <message>
        <source>Homebrew was not set up, as --no-setup asks.</source>
        <translation>按照 --no-setup 的要求，未设置 Homebrew。</translation>
    </message>
    <message>
        <source>Run this in a terminal to set Homebrew up (it asks for your password once), or install Homebrew first.</source>
        <translation>请在终端中运行此命令以设置 Homebrew（会询问一次你的密码），或先安装 Homebrew。</translation>
    </message>
    <message>
        <source>Stopped. %1 is left as it is on disk.</source>
        <translation>已停止。%1 在磁盘上保持原样。</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>无法检查更新。</translation>
    </message>
    <message>
        <source>Reading what Homebrew says about the apps…</source>
        <translation>正在读取 Homebrew 提供的应用信息…</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>正在检查更新…</translation>
    </message>
    <message>
        <source>Not every app could be checked for updates: %1</source>
        <translation>并非所有应用都能检查更新：%1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n apps to %1.</source>
        <translation>
            <numerusform>已将 %n 个应用写入 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>App</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>The history of operations can&apos;t be read.</source>
        <translation>无法读取操作历史。</translation>
    </message>
    <message>
        <source>There is no operation %1 in the history.</source>
        <translation>历史中没有操作 %1。</translation>
    </message>
    <message>
        <source>Nothing has been done yet.</source>
        <translation>尚未执行任何操作。</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>KIND</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>VERSION</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>OUTCOME</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Not in the catalog, left out: %1.</source>
        <translation>不在目录中，已略过：%1。</translation>
    </message>
    <message>
        <source>Left to Homebrew: %1.</source>
        <translation>交给 Homebrew：%1。</translation>
    </message>
    <message>
        <source>The file names no app of the catalog.</source>
        <translation>该文件未列出目录中的任何应用。</translation>
    </message>
    <message numerus="yes">
        <source>The file names %n apps:</source>
        <translation>
            <numerusform>该文件列出了 %n 个应用：</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was installed: confirm with --yes, or run the import in a terminal.</source>
        <translation>未安装任何内容：请使用 --yes 确认，或在终端中运行导入。</translation>
    </message>
    <message>
        <source>Install %1? [y/N] </source>
        <extracomment>The answer stays y or n in every language</extracomment>
        <translation>安装 %1？[y/N] </translation>
    </message>
    <message numerus="yes">
        <source>Install these %n apps? [y/N] </source>
        <translation>
            <numerusform>安装这 %n 个应用？[y/N] </numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was installed.</source>
        <translation>未安装任何内容。</translation>
    </message>
    <message>
        <source>No app matches.</source>
        <translation>没有匹配的应用。</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>CATEGORY</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Left alone: %1</source>
        <translation>未处理：%1</translation>
    </message>
    <message>
        <source>Every installed app is up to date.</source>
        <translation>所有已安装的应用都是最新的。</translation>
    </message>
    <message>
        <source>INSTALLED</source>
        <translation>已安装</translation>
    </message>
    <message>
        <source>AVAILABLE</source>
        <translation>可用</translation>
    </message>
    <message>
        <source>Putting %1 %2 back…</source>
        <extracomment>%1 is the app, %2 the version it goes back to</extracomment>
        <translation>正在还原 %1 %2…</translation>
    </message>
    <message>
        <source>Put %1 %2 back.</source>
        <translation>已还原 %1 %2。</translation>
    </message>
    <message>
        <source>(needs your administrator password)</source>
        <translation>（需要你的管理员密码）</translation>
    </message>
    <message numerus="yes">
        <source>(%n items of data kept)</source>
        <translation>
            <numerusform>（保留 %n 项数据）</numerusform>
        </translation>
    </message>
    <message>
        <source>kept (one of your own folders): %1</source>
        <translation>保留（你自己的文件夹）：%1</translation>
    </message>
    <message>
        <source>left alone: %1</source>
        <translation>未处理：%1</translation>
    </message>
</context>
<context>
    <name>DetailActionArea</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>verb: open the app</comment>
        <translation>打开</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>已安装</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>卸载</translation>
    </message>
    <message>
        <source>Set up Homebrew</source>
        <translation>设置 Homebrew</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>不可用</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>在 Finder 中显示</translation>
    </message>
    <message>
        <source>Refresh Homebrew</source>
        <translation>刷新 Homebrew</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>打开 %1</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>卸载 %1</translation>
    </message>
    <message>
        <source>Set up Homebrew for %1</source>
        <translation>为 %1 设置 Homebrew</translation>
    </message>
    <message>
        <source>One-time setup (needs your Mac password once), then %1 installs automatically.</source>
        <translation>一次性设置（需要输入一次你的 Mac 密码），之后 %1 会自动安装。</translation>
    </message>
</context>
<context>
    <name>DirectDownload</name>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>Resolving latest %1 release from %2</source>
        <extracomment>%1 is the app, %2 its GitHub repository (&quot;p0deje/Maccy&quot;).</extracomment>
        <translation>正在从 %2 查找 %1 的最新版本</translation>
    </message>
    <message>
        <source>Finding the latest %1.</source>
        <translation>正在查找最新的 %1。</translation>
    </message>
    <message>
        <source>There is no private temporary folder to download into.</source>
        <translation>没有可用于下载的私有临时文件夹。</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <extracomment>%1 is the name of the file downloaded (&quot;Maccy.app.zip&quot;).</extracomment>
        <translation>正在下载 %1</translation>
    </message>
    <message>
        <source>Downloading %1.</source>
        <extracomment>%1 is the app, with the version coming when it is known (&quot;Maccy 2.1.0&quot;).</extracomment>
        <translation>正在下载 %1。</translation>
    </message>
    <message>
        <source>Extracting and installing %1.app</source>
        <extracomment>%1 is the app&apos;s name; %1.app is its bundle.</extracomment>
        <translation>正在解压并安装 %1.app</translation>
    </message>
    <message>
        <source>Putting %1 in place.</source>
        <extracomment>%1 is the app, with the version coming when it is known (&quot;Maccy 2.1.0&quot;).</extracomment>
        <translation>正在放置 %1。</translation>
    </message>
    <message>
        <source>%1 was successfully updated at %2</source>
        <extracomment>%1 is the app, %2 where its bundle now is.</extracomment>
        <translation>%1 已在 %2 成功更新</translation>
    </message>
    <message>
        <source>%1 was successfully installed at %2</source>
        <translation>%1 已成功安装到 %2</translation>
    </message>
</context>
<context>
    <name>DirectInstallError</name>
    <message>
        <source>Could not find a download named %1 in the latest release.</source>
        <extracomment>%1 is the name of a file of the release</extracomment>
        <translation>在最新发布中找不到名为 %1 的下载文件。</translation>
    </message>
    <message>
        <source>Could not unpack the download (code %1).</source>
        <extracomment>%1 is the unpacking tool&apos;s exit code</extracomment>
        <translation>无法解压下载文件（代码 %1）。</translation>
    </message>
    <message>
        <source>The download did not contain an app.</source>
        <translation>下载文件中不含应用。</translation>
    </message>
    <message>
        <source>The download did not match its published checksum.</source>
        <translation>下载文件与其公布的校验和不符。</translation>
    </message>
    <message>
        <source>The app in the download is not the one expected, so it was not installed.</source>
        <translation>下载文件中的应用不是预期的应用，因此未安装。</translation>
    </message>
    <message>
        <source>The app in the download points to files outside itself, so it was not installed.</source>
        <translation>下载文件中的应用指向其自身以外的文件，因此未安装。</translation>
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
        <translation>剩余 %1 秒</translation>
    </message>
    <message>
        <source>%1 min left</source>
        <extracomment>Time left of a download, in minutes</extracomment>
        <translation>剩余 %1 分钟</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <extracomment>Time left of a download, in hours</extracomment>
        <translation>剩余约 %1 小时</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>正在下载</translation>
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
            <numerusform>%n 字节</numerusform>
        </translation>
    </message>
    <message>
        <source>Downloading · %1</source>
        <extracomment>%1 is how far the download has come: &quot;21% · 10.0 MB / 46.7 MB · 1.2 MB/s · 30 s left&quot;</extracomment>
        <translation>正在下载 · %1</translation>
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
        <translation>此类别中没有精选应用。</translation>
    </message>
    <message>
        <source>No apps match “%1”</source>
        <extracomment>%1 is the text typed in the search field.</extracomment>
        <translation>没有与“%1”匹配的应用</translation>
    </message>
</context>
<context>
    <name>FailureExplainer</name>
    <message>
        <source>The download of %1 failed (%2 answered %3). The app&apos;s publisher may have moved it; try again later.</source>
        <extracomment>%1 is the app, %2 the server&apos;s host name, %3 the HTTP status it answered with (404).</extracomment>
        <translation>%1 下载失败（%2 返回了 %3）。该应用的发布者可能已将其移走；请稍后再试。</translation>
    </message>
    <message>
        <source>The download of %1 failed (the server answered %2). The app&apos;s publisher may have moved it; try again later.</source>
        <extracomment>%1 is the app, %2 the HTTP status the server answered with (404).</extracomment>
        <translation>%1 下载失败（服务器返回了 %2）。该应用的发布者可能已将其移走；请稍后再试。</translation>
    </message>
    <message>
        <source>The download of %1 from %2 failed. The app&apos;s publisher may have moved it; try again later.</source>
        <extracomment>%1 is the app, %2 the server&apos;s host name.</extracomment>
        <translation>从 %2 下载 %1 失败。该应用的发布者可能已将其移走；请稍后再试。</translation>
    </message>
    <message>
        <source>The download of %1 failed. The app&apos;s publisher may have moved it; try again later.</source>
        <translation>%1 下载失败。该应用的发布者可能已将其移走；请稍后再试。</translation>
    </message>
    <message>
        <source>The download of %1 did not match its published checksum, so it was not installed.</source>
        <translation>%1 的下载与其公布的校验和不符，因此未安装。</translation>
    </message>
    <message>
        <source>The download of %1 did not match its published checksum, so it was not updated.</source>
        <translation>%1 的下载与其公布的校验和不符，因此未更新。</translation>
    </message>
    <message>
        <source>%1 does not support this version of macOS (it runs on: %2 or newer).</source>
        <extracomment>%1 is the app, %2 the oldest macOS it runs on, as Homebrew names it (&quot;Ventura&quot; or &quot;13&quot;).</extracomment>
        <translation>%1 不支持此版本的 macOS（支持：%2 或更高版本）。</translation>
    </message>
    <message>
        <source>%1 does not support this version of macOS (it runs on: %2 or older).</source>
        <extracomment>%1 is the app, %2 the newest macOS it runs on, as Homebrew names it (&quot;Monterey&quot; or &quot;12&quot;).</extracomment>
        <translation>%1 不支持此版本的 macOS（支持：%2 或更低版本）。</translation>
    </message>
    <message>
        <source>%1 does not support this version of macOS (it runs on: %2).</source>
        <extracomment>%1 is the app, %2 the macOS versions it runs on, as Homebrew lists them (&quot;Sonoma and Sequoia&quot;).</extracomment>
        <translation>%1 不支持此版本的 macOS（支持：%2）。</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1.</source>
        <translation>Homebrew 已不再提供 %1。</translation>
    </message>
    <message>
        <source>Homebrew&apos;s list of apps on this Mac is out of date and does not know %1 yet. Refresh it, then try again.</source>
        <translation>此 Mac 上 Homebrew 的应用列表已过时，尚不包含 %1。请刷新列表，然后再试一次。</translation>
    </message>
    <message>
        <source>Homebrew&apos;s own copy of an earlier %1, left in its folder by an update that did not finish, is in the way, so %1 was not installed.</source>
        <translation>一次未完成的更新在 Homebrew 的文件夹中留下了旧版 %1 的副本，它造成了阻碍，因此未能安装 %1。</translation>
    </message>
    <message>
        <source>Homebrew&apos;s own copy of an earlier %1, left in its folder by an update that did not finish, is in the way, so %1 was not updated.</source>
        <translation>一次未完成的更新在 Homebrew 的文件夹中留下了旧版 %1 的副本，它造成了阻碍，因此未能更新 %1。</translation>
    </message>
    <message>
        <source>Homebrew&apos;s own copy of an earlier %1, left in its folder by an update that did not finish, is in the way, so %1 was not removed.</source>
        <translation>一次未完成的更新在 Homebrew 的文件夹中留下了旧版 %1 的副本，它造成了阻碍，因此未能移除 %1。</translation>
    </message>
    <message>
        <source>%1 is already in Applications but was not installed through Homebrew. Open it, or remove it first.</source>
        <translation>%1 已在“应用程序”中，但不是通过 Homebrew 安装的。请打开它，或先将其移除。</translation>
    </message>
    <message>
        <source>The Mac password was not entered, so %1 was not installed.</source>
        <translation>未输入 Mac 密码，因此未安装 %1。</translation>
    </message>
    <message>
        <source>The Mac password was not entered, so %1 was not updated.</source>
        <translation>未输入 Mac 密码，因此未更新 %1。</translation>
    </message>
    <message>
        <source>The Mac password was not entered, so %1 was not removed.</source>
        <translation>未输入 Mac 密码，因此未移除 %1。</translation>
    </message>
    <message>
        <source>The installer of %1 failed. Its own log is in the install log.</source>
        <translation>%1 的安装器运行失败。其自身的日志位于安装日志中。</translation>
    </message>
    <message>
        <source>Homebrew could not write to %1, so %2 was not installed. Its folders may belong to another user.</source>
        <extracomment>%1 is the folder or file Homebrew could not write to, %2 the app.</extracomment>
        <translation>Homebrew 无法写入 %1，因此未安装 %2。它的文件夹可能属于其他用户。</translation>
    </message>
    <message>
        <source>Homebrew could not write to %1, so %2 was not updated. Its folders may belong to another user.</source>
        <translation>Homebrew 无法写入 %1，因此未更新 %2。它的文件夹可能属于其他用户。</translation>
    </message>
    <message>
        <source>Homebrew could not write to %1, so %2 was not removed. Its folders may belong to another user.</source>
        <translation>Homebrew 无法写入 %1，因此未移除 %2。它的文件夹可能属于其他用户。</translation>
    </message>
    <message>
        <source>%1 could not be downloaded: no connection to its download server.</source>
        <translation>无法下载 %1：未能连接到其下载服务器。</translation>
    </message>
    <message>
        <source>%1 could not be downloaded: no connection to %2.</source>
        <extracomment>%1 is the app, %2 the host name of its download server.</extracomment>
        <translation>无法下载 %1：未能连接到 %2。</translation>
    </message>
    <message>
        <source>Homebrew could not install %1: %2</source>
        <extracomment>%1 is the app, %2 the reason: Homebrew&apos;s own message, in English, or a sentence of ours.</extracomment>
        <translation>Homebrew 无法安装 %1：%2</translation>
    </message>
    <message>
        <source>Homebrew could not update %1: %2</source>
        <translation>Homebrew 无法更新 %1：%2</translation>
    </message>
    <message>
        <source>Homebrew could not remove %1: %2</source>
        <translation>Homebrew 无法移除 %1：%2</translation>
    </message>
    <message>
        <source>a step it ran failed (%1 exited with %2).</source>
        <extracomment>Follows a colon: &quot;Homebrew could not install Maccy: a step it ran failed (installer exited with 1).&quot; %1 is the program that failed, %2 its exit status.</extracomment>
        <translation>它运行的某个步骤失败了（%1 以 %2 退出）。</translation>
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
        <translation>你尝试了什么？


哪些正常工作？


哪些出了问题或让人困惑？


你的 Mac（型号 + macOS 版本）：
</translation>
    </message>
    <message>
        <source>Orvando v%1 feedback</source>
        <extracomment>The subject of a feedback e-mail; %1 is Orvando&apos;s version</extracomment>
        <translation>Orvando v%1 反馈</translation>
    </message>
    <message>
        <source>Orvando app suggestion</source>
        <translation>Orvando 应用建议</translation>
    </message>
    <message>
        <source>Suggested app / tool:


%1


Why it should be in Orvando:

</source>
        <extracomment>The body of an app suggestion e-mail; %1 is what the user typed</extracomment>
        <translation>建议的应用 / 工具：


%1


为什么应该加入 Orvando：

</translation>
    </message>
</context>
<context>
    <name>GatekeeperVerdict</name>
    <message>
        <source>Not checked on this computer</source>
        <translation>未在此电脑上检查</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <extracomment>Gatekeeper&apos;s verdict; %1 is the source macOS names, such as Notarized Developer ID</extracomment>
        <translation>已接受：%1</translation>
    </message>
    <message>
        <source>Accepted: %1 (%2)</source>
        <extracomment>Gatekeeper&apos;s verdict; %1 is the source macOS names, %2 the developer it names</extracomment>
        <translation>已接受：%1（%2）</translation>
    </message>
    <message>
        <source>Rejected: %1</source>
        <extracomment>Gatekeeper&apos;s verdict; %1 is the source macOS names</extracomment>
        <translation>已拒绝：%1</translation>
    </message>
    <message>
        <source>Checking…</source>
        <extracomment>Gatekeeper&apos;s check of a downloaded app is running</extracomment>
        <translation>正在检查…</translation>
    </message>
</context>
<context>
    <name>GitHubRelease</name>
    <message>
        <source>The release information from GitHub could not be read: %1</source>
        <extracomment>%1 says what is wrong with it</extracomment>
        <translation>无法读取来自 GitHub 的发布信息：%1</translation>
    </message>
    <message>
        <source>“%1” is missing.</source>
        <extracomment>%1 is the name of a field in GitHub&apos;s answer</extracomment>
        <translation>缺少“%1”。</translation>
    </message>
    <message>
        <source>“%1” has the wrong type.</source>
        <extracomment>%1 is the name of a field in GitHub&apos;s answer</extracomment>
        <translation>“%1”的类型不正确。</translation>
    </message>
    <message>
        <source>it is not valid JSON.</source>
        <translation>它不是有效的 JSON。</translation>
    </message>
    <message>
        <source>it is not a release.</source>
        <translation>它不是发布信息。</translation>
    </message>
</context>
<context>
    <name>GitHubReleaseClient</name>
    <message>
        <source>the server stopped answering</source>
        <translation>服务器停止了响应</translation>
    </message>
    <message>
        <source>There is no valid address for the releases of %1.</source>
        <extracomment>%1 is a GitHub repository, such as owner/name</extracomment>
        <translation>%1 的发布没有有效地址。</translation>
    </message>
    <message>
        <source>Could not get the latest release from %1 (%2). You can try again.</source>
        <extracomment>%1 is a host, such as api.github.com; %2 why, in lower case</extracomment>
        <translation>无法从 %1 获取最新发布（%2）。你可以重试。</translation>
    </message>
    <message>
        <source>There is no private temporary folder to download into.</source>
        <translation>没有可用于下载的私有临时文件夹。</translation>
    </message>
    <message>
        <source>The download from %1 was larger than announced.</source>
        <extracomment>%1 is a host, such as github.com</extracomment>
        <translation>来自 %1 的下载大于所声明的大小。</translation>
    </message>
    <message>
        <source>The download from %1 was too large, so it was stopped.</source>
        <extracomment>%1 is a host, such as github.com</extracomment>
        <translation>来自 %1 的下载过大，因此已停止。</translation>
    </message>
    <message>
        <source>The download could not be saved: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>无法存储下载文件：%1</translation>
    </message>
    <message>
        <source>the server sent the wrong part of the file</source>
        <translation>服务器发送了文件的错误部分</translation>
    </message>
    <message>
        <source>the connection closed early</source>
        <translation>连接过早关闭</translation>
    </message>
    <message>
        <source>The download from %1 did not finish (%2). You can try again.</source>
        <extracomment>%1 is a host, such as github.com; %2 why, in lower case</extracomment>
        <translation>来自 %1 的下载未完成（%2）。你可以重试。</translation>
    </message>
    <message>
        <source>The download from %1 failed (HTTP %2). You can try again.</source>
        <extracomment>%1 is a host, such as github.com; %2 the HTTP status code</extracomment>
        <translation>来自 %1 的下载失败（HTTP %2）。你可以重试。</translation>
    </message>
</context>
<context>
    <name>HomebrewSetup</name>
    <message>
        <source>No address is set for Homebrew&apos;s install script.</source>
        <translation>未设置 Homebrew 安装脚本的地址。</translation>
    </message>
    <message>
        <source>No private temporary folder is available for the setup.</source>
        <translation>没有可用于设置的私有临时文件夹。</translation>
    </message>
    <message>
        <source>The Homebrew installer could not be downloaded. Check your connection and try again.</source>
        <translation>无法下载 Homebrew 安装器。请检查网络连接，然后再试一次。</translation>
    </message>
    <message>
        <source>Setting up Homebrew (one-time).</source>
        <translation>正在设置 Homebrew（仅需一次）。</translation>
    </message>
    <message>
        <source>Waiting for the Homebrew setup that is already running.</source>
        <translation>正在等待已在运行的 Homebrew 设置。</translation>
    </message>
    <message>
        <source>Setting up Homebrew (one-time). macOS will ask for your password once.</source>
        <translation>正在设置 Homebrew（仅需一次）。macOS 会请你输入一次密码。</translation>
    </message>
    <message>
        <source>Homebrew setup did not complete (code %1).</source>
        <extracomment>%1 is the exit status of the setup.</extracomment>
        <translation>Homebrew 设置未完成（代码 %1）。</translation>
    </message>
    <message>
        <source>Homebrew is ready. From now on installs are silent.</source>
        <translation>Homebrew 已就绪。今后的安装将静默进行。</translation>
    </message>
    <message>
        <source>Homebrew setup finished but brew was not found afterward.</source>
        <translation>Homebrew 设置已结束，但之后未找到 brew。</translation>
    </message>
</context>
<context>
    <name>HomebrewSetupCommand</name>
    <message>
        <source>The Homebrew installer could not be copied to a safe place.</source>
        <translation>无法将 Homebrew 安装器拷贝到安全位置。</translation>
    </message>
    <message>
        <source>The Homebrew installer&apos;s checksum could not be verified.</source>
        <translation>无法验证 Homebrew 安装器的校验和。</translation>
    </message>
    <message>
        <source>The Homebrew installer&apos;s signature could not be verified.</source>
        <translation>无法验证 Homebrew 安装器的签名。</translation>
    </message>
    <message>
        <source>The Homebrew installer is not notarized by Apple.</source>
        <translation>Homebrew 安装器未经 Apple 公证。</translation>
    </message>
    <message>
        <source>The Homebrew installer is not signed by Homebrew.</source>
        <translation>Homebrew 安装器未由 Homebrew 签名。</translation>
    </message>
</context>
<context>
    <name>HomebrewSetupPanel</name>
    <message>
        <source>Setting up Homebrew…</source>
        <translation>正在设置 Homebrew…</translation>
    </message>
    <message>
        <source>Set up Homebrew (one-time, ~2 min — needs your Mac password once)</source>
        <translation>设置 Homebrew（仅一次，约 2 分钟——需要输入一次你的 Mac 密码）</translation>
    </message>
    <message>
        <source>Installs Homebrew with your password, then continues installing %1.</source>
        <translation>使用你的密码安装 Homebrew，然后继续安装 %1。</translation>
    </message>
    <message>
        <source>%1 installs through Homebrew, a free package manager for the Mac. orvando can set it up for you — one time, right here.</source>
        <translation>%1 通过 Homebrew（一款免费的 Mac 软件包管理器）安装。orvando 可以为你设置它——只需一次，就在这里。</translation>
    </message>
    <message>
        <source>It asks for your password once. After that every install is silent — no Terminal, ever.</source>
        <translation>只需输入一次密码。之后每次安装都会静默完成——完全不用终端。</translation>
    </message>
</context>
<context>
    <name>ImportConfirmation</name>
    <message>
        <source>Install from file</source>
        <translation>从文件安装</translation>
    </message>
    <message>
        <source>“%1” names no app of the catalog.</source>
        <extracomment>%1 is the name of the file chosen.</extracomment>
        <translation>“%1”中没有目录里的应用。</translation>
    </message>
    <message>
        <source>“%1” names these apps:</source>
        <extracomment>%1 is the name of the file chosen; the list of apps follows.</extracomment>
        <translation>“%1”包含以下应用：</translation>
    </message>
    <message>
        <source>Not recognised: %1</source>
        <extracomment>%1 lists the names in the file that are not apps of the catalog.</extracomment>
        <translation>无法识别：%1</translation>
    </message>
    <message>
        <source>Left to Homebrew: %1</source>
        <extracomment>%1 lists the file&apos;s lines Orvando leaves for Homebrew to handle (taps, formulae).</extracomment>
        <translation>交由 Homebrew 处理：%1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 — unavailable</source>
        <extracomment>%1 is an app&apos;s name, in the list of apps a file names.</extracomment>
        <translation>%1 — 不可用</translation>
    </message>
    <message>
        <source>%1 — already installed</source>
        <extracomment>%1 is an app&apos;s name, in the list of apps a file names.</extracomment>
        <translation>%1 — 已安装</translation>
    </message>
</context>
<context>
    <name>Install</name>
    <message>
        <source>Getting %1 ready.</source>
        <translation>正在准备 %1。</translation>
    </message>
    <message>
        <source>%1 installs through Homebrew, which isn&apos;t set up on this Mac yet — offering a one-time in-app setup.</source>
        <translation>%1 需通过 Homebrew 安装，但此 Mac 尚未设置 Homebrew——将提供一次性的应用内设置。</translation>
    </message>
    <message>
        <source>brew finished but %1 was not found on disk</source>
        <translation>brew 已结束，但在磁盘上未找到 %1</translation>
    </message>
    <message>
        <source>Install finished but %1 was not found. You can try again.</source>
        <translation>安装已结束，但未找到 %1。你可以再试一次。</translation>
    </message>
</context>
<context>
    <name>InstallEngine</name>
    <message>
        <source>Another operation on %1 is still running; try again when it has finished.</source>
        <translation>%1 的另一项操作仍在进行；请在其完成后重试。</translation>
    </message>
    <message>
        <source>Homebrew setup didn&apos;t finish. You can try again — it asks for your Mac password once, then all installs are silent.</source>
        <translation>Homebrew 设置未完成。你可以重试——只需输入一次 Mac 密码，之后所有安装都会静默进行。</translation>
    </message>
    <message>
        <source>warning: No log files are written: the log folder %1 is a link to another place.</source>
        <extracomment>%1 is the log folder&apos;s path</extracomment>
        <translation>warning: 不会写入日志文件：日志文件夹 %1 是指向其他位置的链接。</translation>
    </message>
    <message>
        <source>==&gt; Opening %1</source>
        <extracomment>A line of the log; %1 is the app&apos;s name</extracomment>
        <translation>==&gt; 正在打开 %1</translation>
    </message>
    <message>
        <source>%1 installs through Homebrew, which isn&apos;t set up on this Mac yet.</source>
        <translation>%1 需通过 Homebrew 安装，但此 Mac 尚未设置 Homebrew。</translation>
    </message>
    <message>
        <source>%1 is not in the state asked for.</source>
        <translation>%1 未处于所要求的状态。</translation>
    </message>
    <message>
        <source>note: Skipped %1: another operation on it is still running.</source>
        <translation>note: 已跳过 %1：其另一项操作仍在进行。</translation>
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
        <translation>macOS 可能会询问“你确定要打开这个来自互联网的应用吗？”——点按“打开”。</translation>
    </message>
    <message>
        <source>Didn’t open?</source>
        <translation>没有打开？</translation>
    </message>
    <message>
        <source>Launch %1</source>
        <translation>启动 %1</translation>
    </message>
</context>
<context>
    <name>InstallLogFile</name>
    <message numerus="yes">
        <source>%n lines were left out of this file while the disk was too slow.</source>
        <translation>
            <numerusform>由于磁盘速度过慢，此文件中略去了 %n 行。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogDrawer</name>
    <message>
        <source>Install log</source>
        <translation>安装日志</translation>
    </message>
    <message>
        <source>No installs yet. The raw Homebrew log shows here.</source>
        <translation>尚无安装。Homebrew 的原始日志会显示在这里。</translation>
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
        <translation>安装日志行</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>拷贝</translation>
    </message>
</context>
<context>
    <name>MAC_APPLICATION_MENU</name>
    <message>
        <source>About %1</source>
        <translation>关于“%1”</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>服务</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>隐藏“%1”</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>隐藏其他</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>全部显示</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>退出“%1”</translation>
    </message>
</context>
<context>
    <name>MailFallback</name>
    <message>
        <source>No mail app opened. Write to %1.</source>
        <extracomment>%1 is the support email address.</extracomment>
        <translation>没有打开任何邮件应用。请写信至 %1。</translation>
    </message>
    <message>
        <source>Copy address</source>
        <translation>拷贝地址</translation>
    </message>
</context>
<context>
    <name>NetworkSection</name>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Orvando and Homebrew use the proxy set in System Settings. Mirrors are optional: leave them empty to use Homebrew’s own servers.</source>
        <translation>Orvando 和 Homebrew 使用系统设置中设定的代理。镜像是可选的：留空即使用 Homebrew 自己的服务器。</translation>
    </message>
    <message>
        <source>Given to Homebrew as %1.</source>
        <extracomment>%1 is the name of the environment variable Homebrew reads</extracomment>
        <translation>以 %1 传给 Homebrew。</translation>
    </message>
    <message>
        <source>Homebrew API mirror</source>
        <translation>Homebrew API 镜像</translation>
    </message>
    <message>
        <source>Bottle mirror</source>
        <translation>Bottle 镜像</translation>
    </message>
    <message>
        <source>Artifact mirror</source>
        <translation>制品镜像</translation>
    </message>
</context>
<context>
    <name>NetworkStatus</name>
    <message>
        <source>You&apos;re offline. Connect to the internet and try again.</source>
        <translation>你已离线。请连接互联网后再试一次。</translation>
    </message>
</context>
<context>
    <name>OperationContext</name>
    <message>
        <source>Cancelled. %1 is left as it is on disk.</source>
        <translation>已取消。%1 在磁盘上保持原样。</translation>
    </message>
</context>
<context>
    <name>OperationHistory</name>
    <message>
        <source>The history of operations can&apos;t be opened (%1).</source>
        <extracomment>%1 is SQLite&apos;s own description of the problem, in English.</extracomment>
        <translation>无法打开操作历史（%1）。</translation>
    </message>
    <message>
        <source>The history of operations could not be read; it was moved to %1 and a new one started.</source>
        <extracomment>%1 is the path of the file moved aside.</extracomment>
        <translation>无法读取操作历史；已将其移到 %1，并开始了新的历史。</translation>
    </message>
    <message>
        <source>Orvando stopped before this operation finished.</source>
        <translation>Orvando 在此操作完成前停止了。</translation>
    </message>
</context>
<context>
    <name>OperationRecord</name>
    <message numerus="yes">
        <source>%n earlier lines are left out.</source>
        <translation>
            <numerusform>之前的 %n 行已省略。</numerusform>
        </translation>
    </message>
    <message>
        <source>The window closed before this operation finished.</source>
        <translation>此操作完成前窗口已关闭。</translation>
    </message>
    <message>
        <source>%1 installs through Homebrew, which isn&apos;t set up on this Mac yet.</source>
        <translation>%1 需通过 Homebrew 安装，但此 Mac 尚未设置 Homebrew。</translation>
    </message>
    <message>
        <source>%1 is not in the state asked for.</source>
        <translation>%1 未处于所要求的状态。</translation>
    </message>
</context>
<context>
    <name>OrvandoApp</name>
    <message>
        <source>Welcome to Orvando…</source>
        <translation>欢迎使用 Orvando…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>发送反馈…</translation>
    </message>
    <message>
        <source>An install is still running. Quit anyway?</source>
        <translation>仍有安装正在进行。仍要退出吗？</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <extracomment>The File menu item that looks for newer versions of the installed apps.</extracomment>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Show Install Logs</source>
        <translation>显示安装日志</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The File menu item.</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>The title of the alert about updating Orvando itself.</extracomment>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>This copy of Orvando does not update itself.</source>
        <translation>此 Orvando 副本不会自行更新。</translation>
    </message>
    <message>
        <source>Open Download Page</source>
        <translation>打开下载页面</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>新建窗口</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>OutdatedCasks</name>
    <message>
        <source>Homebrew’s list of updates could not be read: %1</source>
        <extracomment>%1 says what is wrong with it</extracomment>
        <translation>无法读取 Homebrew 的更新列表：%1</translation>
    </message>
    <message>
        <source>it is not valid JSON.</source>
        <translation>它不是有效的 JSON。</translation>
    </message>
    <message>
        <source>it is not a list of casks.</source>
        <translation>它不是 cask 列表。</translation>
    </message>
    <message>
        <source>“casks” is missing.</source>
        <translation>缺少“casks”。</translation>
    </message>
</context>
<context>
    <name>PermissionGuidance</name>
    <message>
        <source>Accessibility</source>
        <extracomment>The pane&apos;s name in System Settings › Privacy &amp; Security, exactly as macOS shows it</extracomment>
        <translation>辅助功能</translation>
    </message>
    <message>
        <source>Screen Recording</source>
        <extracomment>The pane&apos;s name in System Settings › Privacy &amp; Security, exactly as macOS shows it</extracomment>
        <translation>屏幕录制</translation>
    </message>
    <message>
        <source>Permission required: %1 needs Accessibility permission to work. It will ask on first launch — turn it on in System Settings › Privacy &amp; Security › Accessibility, then switch on %1.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>需要权限：%1 需要“辅助功能”权限才能运行。首次启动时会请求权限——请在系统设置 › 隐私与安全性 › 辅助功能中打开 %1。</translation>
    </message>
    <message>
        <source>Permission required: %1 needs Screen Recording permission to capture your screen. It will ask on first launch — turn it on in System Settings › Privacy &amp; Security › Screen Recording, then switch on %1.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>需要权限：%1 需要“屏幕录制”权限才能捕获你的屏幕。首次启动时会请求权限——请在系统设置 › 隐私与安全性 › 屏幕录制中打开 %1。</translation>
    </message>
    <message>
        <source>%1 needs Accessibility permission to work. On first launch it will ask — turn it on:</source>
        <extracomment>%1 is the app&apos;s name; the steps to turn it on follow on the next line</extracomment>
        <translation>%1 需要“辅助功能”权限才能运行。首次启动时会请求权限——请在此处打开：</translation>
    </message>
    <message>
        <source>%1 needs Screen Recording permission to capture your screen. Turn it on:</source>
        <extracomment>%1 is the app&apos;s name; the steps to turn it on follow on the next line</extracomment>
        <translation>%1 需要“屏幕录制”权限才能捕获你的屏幕。请在此处打开：</translation>
    </message>
    <message>
        <source>System Settings › Privacy &amp; Security › Accessibility, then switch on %1.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>系统设置 › 隐私与安全性 › 辅助功能，然后打开 %1。</translation>
    </message>
    <message>
        <source>System Settings › Privacy &amp; Security › Screen Recording, then switch on %1.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>系统设置 › 隐私与安全性 › 屏幕录制，然后打开 %1。</translation>
    </message>
    <message>
        <source>Open System Settings › Accessibility</source>
        <extracomment>A button that opens the pane; the names exactly as System Settings shows them</extracomment>
        <translation>打开系统设置 › 辅助功能</translation>
    </message>
    <message>
        <source>Open System Settings › Screen Recording</source>
        <extracomment>A button that opens the pane; the names exactly as System Settings shows them</extracomment>
        <translation>打开系统设置 › 屏幕录制</translation>
    </message>
    <message>
        <source>Removed %1. We could not clear its Accessibility permission automatically. You can remove the leftover entry in System Settings &gt; Privacy &amp; Security &gt; Accessibility.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>已移除 %1。无法自动清除其“辅助功能”权限。你可以在系统设置 &gt; 隐私与安全性 &gt; 辅助功能中移除残留的条目。</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>RefreshCaskList</name>
    <message>
        <source>Refreshing Homebrew&apos;s list of apps.</source>
        <translation>正在刷新 Homebrew 的应用列表。</translation>
    </message>
    <message>
        <source>Refreshing Homebrew&apos;s list of apps, which did not know %1</source>
        <translation>正在刷新 Homebrew 的应用列表（其中没有 %1）</translation>
    </message>
    <message>
        <source>Homebrew could not refresh its list of apps, so it still does not know %1: there is no connection to its server.</source>
        <translation>Homebrew 无法刷新其应用列表，因此仍不包含 %1：未能连接到其服务器。</translation>
    </message>
    <message>
        <source>Homebrew could not refresh its list of apps, so it still does not know %1: %2</source>
        <extracomment>%1 is the app, %2 the reason: brew&apos;s own message, in English, or a sentence of ours.</extracomment>
        <translation>Homebrew 无法刷新其应用列表，因此仍不包含 %1：%2</translation>
    </message>
    <message>
        <source>Homebrew could not refresh its list of apps, so it still does not know %1: brew update did not finish.</source>
        <translation>Homebrew 无法刷新其应用列表，因此仍不包含 %1：brew update 未完成。</translation>
    </message>
    <message>
        <source>Homebrew&apos;s list of apps is up to date</source>
        <translation>Homebrew 的应用列表已是最新</translation>
    </message>
</context>
<context>
    <name>RemovalPlan</name>
    <message>
        <source>%1: not a bundle identifier, so nothing is looked up by it</source>
        <extracomment>%1 is what the app gave as its bundle identifier</extracomment>
        <translation>%1：不是包标识符，因此不会据此查找任何内容</translation>
    </message>
</context>
<context>
    <name>RemovalReview</name>
    <message>
        <source>measuring…</source>
        <translation>正在计算…</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>移除 %1？</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n apps?</source>
        <translation>
            <numerusform>移除 %n 个应用？</numerusform>
        </translation>
    </message>
    <message>
        <source>Everything ticked goes to the Trash, where you can still get it back.</source>
        <translation>所有勾选的项目都会移到废纸篓，你仍可从那里取回。</translation>
    </message>
    <message>
        <source>What will be removed</source>
        <translation>将被移除的项目</translation>
    </message>
    <message>
        <source>Remove app only</source>
        <translation>仅移除应用</translation>
    </message>
    <message>
        <source>Remove app and data</source>
        <translation>移除应用和数据</translation>
    </message>
    <message>
        <source>%1 (app)</source>
        <translation>%1（应用）</translation>
    </message>
    <message>
        <source>Nothing of these apps is on this Mac.</source>
        <translation>这台 Mac 上没有这些应用的任何内容。</translation>
    </message>
    <message>
        <source>needs your administrator password</source>
        <translation>需要你的管理员密码</translation>
    </message>
    <message numerus="yes">
        <source>App: %1. Data: %2 in %n item(s).</source>
        <translation>
            <numerusform>应用：%1。数据：%n 个项目，共 %2。</numerusform>
        </translation>
    </message>
    <message>
        <source>Measuring sizes…</source>
        <translation>正在计算大小…</translation>
    </message>
</context>
<context>
    <name>RemovalSteps</name>
    <message>
        <source>The background task %1 could not be stopped.</source>
        <extracomment>%1 is the label of a launch job (&quot;com.example.helper&quot;).</extracomment>
        <translation>无法停止后台任务 %1。</translation>
    </message>
    <message>
        <source>The login item %1 could not be removed.</source>
        <translation>无法移除登录项 %1。</translation>
    </message>
    <message>
        <source>%1 It was left where it is.</source>
        <extracomment>%1 is the sentence saying why the Trash refused the item.</extracomment>
        <translation>%1 它已保留在原位置。</translation>
    </message>
</context>
<context>
    <name>ReplacesLine</name>
    <message>
        <source>Replaces %1</source>
        <extracomment>%1 is a paid app this free one stands in for; its price follows</extracomment>
        <translation>替代 %1</translation>
    </message>
</context>
<context>
    <name>Revert</name>
    <message>
        <source>Homebrew can&apos;t put an earlier version of %1 back.</source>
        <translation>Homebrew 无法还原 %1 的早期版本。</translation>
    </message>
    <message>
        <source>The earlier version of %1 is no longer kept, so it can&apos;t be put back.</source>
        <translation>%1 的早期版本已不再保留，因此无法还原。</translation>
    </message>
    <message>
        <source>Putting %1 back</source>
        <extracomment>%1 is the app and the version put back (&quot;Maccy 2.0.1&quot;).</extracomment>
        <translation>正在还原 %1</translation>
    </message>
    <message>
        <source>Putting %1 back.</source>
        <extracomment>%1 is the app and the version put back (&quot;Maccy 2.0.1&quot;).</extracomment>
        <translation>正在还原 %1。</translation>
    </message>
    <message>
        <source>%1 was put back at %2</source>
        <extracomment>%1 is the app and the version put back (&quot;Maccy 2.0.1&quot;), %2 where its bundle now is.</extracomment>
        <translation>%1 已还原到 %2</translation>
    </message>
</context>
<context>
    <name>RevertButton</name>
    <message>
        <source>Revert to %1</source>
        <translation>还原到 %1</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>将 %1 还原到 %2</translation>
    </message>
    <message>
        <source>The earlier version takes %1.</source>
        <translation>早期版本占用 %1。</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Search apps</source>
        <translation>搜索应用</translation>
    </message>
    <message>
        <source>Search</source>
        <extracomment>The magnifying glass in the search field, read by a screen reader.</extracomment>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>清除搜索</translation>
    </message>
</context>
<context>
    <name>ScreenshotStrip</name>
    <message>
        <source>Screenshots</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>%1 screenshot %2 of %3</source>
        <extracomment>%1 is the app, %2 this screenshot&apos;s place, %3 how many there are</extracomment>
        <translation>%1 截图，第 %2 张，共 %3 张</translation>
    </message>
</context>
<context>
    <name>SelectAllButton</name>
    <message>
        <source>Clear selection</source>
        <translation>取消选择</translation>
    </message>
    <message>
        <source>Select all hand-picked</source>
        <translation>全选精选应用</translation>
    </message>
</context>
<context>
    <name>SelfRemoval</name>
    <message>
        <source>Orvando can&apos;t remove itself from here. Move it to Applications first, or drag it to the Trash.</source>
        <translation>Orvando 无法从此位置移除自身。请先将它移到“应用程序”文件夹，或将它拖到废纸篓。</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Uninstall every app Orvando installed?</source>
        <translation>卸载 Orvando 安装的所有应用？</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>No catalog apps were installed.</source>
        <translation>未安装任何目录中的应用。</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n app(s).</source>
        <translation>
            <numerusform>已移除 %n 个应用。</numerusform>
        </translation>
    </message>
    <message>
        <source>Opened your mail app with the suggestion.</source>
        <translation>已在你的邮件应用中打开该建议。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Remove Orvando but keep my apps?</source>
        <translation>移除 Orvando 但保留我的应用？</translation>
    </message>
    <message>
        <source>Apps already in Applications stay. Only the Orvando app is removed.</source>
        <translation>“应用程序”中已有的应用会保留。只移除 Orvando 应用。</translation>
    </message>
    <message>
        <source>Remove Orvando</source>
        <translation>移除 Orvando</translation>
    </message>
    <message>
        <source>Uninstalling apps…</source>
        <translation>正在卸载应用…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Legal</source>
        <comment>settings section heading</comment>
        <translation>法律信息</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>隐私政策</translation>
    </message>
    <message>
        <source>Terms of use</source>
        <translation>使用条款</translation>
    </message>
    <message>
        <source>Questions: %1</source>
        <extracomment>%1 is the support e-mail address</extracomment>
        <translation>问题：%1</translation>
    </message>
    <message>
        <source>Privacy</source>
        <comment>settings section heading</comment>
        <translation>隐私</translation>
    </message>
    <message>
        <source>Share analytics with developer</source>
        <translation>与开发者共享分析数据</translation>
    </message>
    <message>
        <source>Only anonymous product events, such as installs, are shared. No account, no browsing content. Off by default.</source>
        <translation>仅共享匿名的产品事件，例如安装。不涉及账户，也不涉及浏览内容。默认关闭。</translation>
    </message>
    <message>
        <source>Updates</source>
        <comment>settings section heading</comment>
        <translation>更新</translation>
    </message>
    <message>
        <source>Check for Orvando updates automatically</source>
        <translation>自动检查 Orvando 更新</translation>
    </message>
    <message>
        <source>Orvando looks for a new version once a day and asks before installing it.</source>
        <translation>Orvando 每天检查一次新版本，并在安装前征求你的同意。</translation>
    </message>
    <message>
        <source>Suggest apps</source>
        <comment>settings section heading</comment>
        <translation>推荐应用</translation>
    </message>
    <message>
        <source>Tell us a tool you wish was in Orvando.</source>
        <translation>告诉我们你希望 Orvando 收录的工具。</translation>
    </message>
    <message>
        <source>App suggestion</source>
        <translation>应用建议</translation>
    </message>
    <message>
        <source>Send suggestion</source>
        <translation>发送建议</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <comment>settings section heading</comment>
        <translation>卸载</translation>
    </message>
    <message>
        <source>Uninstall all apps</source>
        <translation>卸载所有应用</translation>
    </message>
    <message>
        <source>Removes catalog apps Orvando installed. Leaves Orvando itself.</source>
        <translation>移除 Orvando 安装的目录应用。保留 Orvando 本身。</translation>
    </message>
    <message>
        <source>Uninstall Orvando but keep my apps</source>
        <translation>卸载 Orvando 但保留我的应用</translation>
    </message>
    <message>
        <source>Deletes only Orvando. Apps in Applications stay.</source>
        <translation>仅删除 Orvando。“应用程序”中的应用会保留。</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Activity</source>
        <translation>活动</translation>
    </message>
    <message>
        <source>Show activity</source>
        <translation>显示活动</translation>
    </message>
    <message>
        <source>What was installed, updated and removed, and how it went</source>
        <translation>安装、更新和移除了哪些应用，以及结果如何</translation>
    </message>
    <message>
        <source>Get the good Mac apps.</source>
        <translation>获取优秀的 Mac 应用。</translation>
    </message>
    <message>
        <source>Apps and categories</source>
        <translation>应用和类别</translation>
    </message>
    <message>
        <source>Handselected apps</source>
        <translation>精选应用</translation>
    </message>
    <message>
        <source>All apps</source>
        <translation>所有应用</translation>
    </message>
    <message>
        <source>Categories</source>
        <extracomment>The heading above the list of app categories in the sidebar.</extracomment>
        <translation>类别</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>发送反馈</translation>
    </message>
    <message>
        <source>Email %1</source>
        <extracomment>%1 is the support email address.</extracomment>
        <translation>发送邮件至 %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Privacy, uninstall, analytics, suggestions</source>
        <translation>隐私、卸载、分析、建议</translation>
    </message>
    <message>
        <source>Updates (%L1)</source>
        <extracomment>The sidebar row of the apps with a newer version; %L1 is how many.</extracomment>
        <translation>更新（%L1）</translation>
    </message>
</context>
<context>
    <name>SignedCatalog</name>
    <message>
        <source>The catalog or its signature is larger than a catalog can be.</source>
        <translation>目录或其签名超出了目录可有的大小。</translation>
    </message>
    <message>
        <source>This copy of Orvando has no key to check a catalog with.</source>
        <translation>此 Orvando 副本没有用于验证目录的密钥。</translation>
    </message>
    <message>
        <source>The catalog is not signed.</source>
        <translation>目录未签名。</translation>
    </message>
    <message>
        <source>The catalog&apos;s signature does not match it.</source>
        <translation>签名与目录不匹配。</translation>
    </message>
    <message>
        <source>The catalog was issued %1, not after %2.</source>
        <extracomment>%1 and %2 are moments written as in the catalog, e.g. &quot;2026-12-07T09:30:00Z&quot;.</extracomment>
        <translation>目录的发布时间为 %1，并不晚于 %2。</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdater</name>
    <message>
        <source>Check for Updates…</source>
        <extracomment>The menu item that looks for a newer version of Orvando</extracomment>
        <translation>检查更新…</translation>
    </message>
    <message>
        <source>To update Orvando, download the newest version from orvando.app and drag it into Applications, replacing this copy. Your apps and settings stay as they are.</source>
        <extracomment>&quot;Applications&quot; is the Applications folder, as the Finder names it</extracomment>
        <translation>要更新 Orvando，请从 orvando.app 下载最新版本，并将其拖到“应用程序”文件夹以替换此副本。你的应用和设置将保持不变。</translation>
    </message>
    <message>
        <source>This copy of Orvando was built from its source. To update it, get the newest source and run “make run” again. Your apps and settings stay as they are.</source>
        <translation>此 Orvando 副本是从源代码构建的。要更新它，请获取最新的源代码并再次运行“make run”。你的应用和设置将保持不变。</translation>
    </message>
</context>
<context>
    <name>SpinnerRow</name>
    <message>
        <source>Download progress</source>
        <translation>下载进度</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>“%1” is no longer in the Trash.</source>
        <translation>“%1”已不在废纸篓中。</translation>
    </message>
    <message>
        <source>Something new is at “%1” now.</source>
        <translation>“%1”处现在已有新项目。</translation>
    </message>
    <message>
        <source>“%1” couldn’t be put back.</source>
        <translation>无法将“%1”放回原处。</translation>
    </message>
    <message>
        <source>“%1” couldn’t be moved to the Trash (%2).</source>
        <extracomment>%1 is a file&apos;s name, %2 why, in lower case</extracomment>
        <translation>无法将“%1”移到废纸篓（%2）。</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>它已不存在</translation>
    </message>
    <message>
        <source>there is no Trash folder</source>
        <translation>没有废纸篓文件夹</translation>
    </message>
    <message>
        <source>“” couldn’t be moved to the Trash because it doesn’t exist.</source>
        <translation>无法将“”移到废纸篓，因为它不存在。</translation>
    </message>
    <message>
        <source>The item is no longer in the Trash.</source>
        <translation>该项目已不在废纸篓中。</translation>
    </message>
</context>
<context>
    <name>UndoRemoval</name>
    <message>
        <source>Putting %1 back.</source>
        <translation>正在放回 %1。</translation>
    </message>
    <message>
        <source>%1 is back, but not all of it: %2 The rest was put back; nothing was overwritten.</source>
        <extracomment>%1 is the app, %2 one sentence for each item that could not be put back.</extracomment>
        <translation>%1 已恢复，但不完整：%2 其余部分已放回；没有覆盖任何内容。</translation>
    </message>
</context>
<context>
    <name>UndoRemovalButton</name>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Undo removing %1</source>
        <translation>撤销移除 %1</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>Removing %1.</source>
        <translation>正在移除 %1。</translation>
    </message>
    <message>
        <source>Closing %1.</source>
        <translation>正在退出 %1。</translation>
    </message>
    <message>
        <source>Left alone: %1.</source>
        <extracomment>%1 is a path the removal does not touch, then a colon and why.</extracomment>
        <translation>未做改动：%1。</translation>
    </message>
    <message>
        <source>Cleaning up.</source>
        <translation>正在清理。</translation>
    </message>
    <message>
        <source>%1 needs your administrator password; it was left where it is.</source>
        <translation>%1 需要你的管理员密码；它已保留在原位置。</translation>
    </message>
    <message>
        <source>Clearing Accessibility permission.</source>
        <translation>正在清除辅助功能权限。</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Update did not finish. The version you had is still installed.</source>
        <translation>更新未完成。你原来的版本仍处于安装状态。</translation>
    </message>
    <message>
        <source>brew finished but %1 was not found on disk</source>
        <translation>brew 已结束，但在磁盘上未找到 %1</translation>
    </message>
    <message>
        <source>Update finished but %1 was not found. You can install it again.</source>
        <translation>更新已结束，但未找到 %1。你可以重新安装它。</translation>
    </message>
    <message>
        <source>Getting %1 ready.</source>
        <extracomment>%1 is the app, with the version coming when it is known (&quot;Maccy 2.1.0&quot;).</extracomment>
        <translation>正在准备 %1。</translation>
    </message>
    <message>
        <source>%1 is not installed, so there is nothing to update.</source>
        <translation>%1 未安装，因此没有可更新的内容。</translation>
    </message>
    <message>
        <source>%1 updates through Homebrew, which isn&apos;t set up on this Mac.</source>
        <translation>%1 需通过 Homebrew 更新，但此 Mac 未设置 Homebrew。</translation>
    </message>
</context>
<context>
    <name>UpdateChoices</name>
    <message>
        <source>Skip this version</source>
        <translation>跳过此版本</translation>
    </message>
    <message>
        <source>Skip %1 %2</source>
        <translation>跳过 %1 %2</translation>
    </message>
    <message>
        <source>Don’t check for updates</source>
        <translation>不检查更新</translation>
    </message>
    <message>
        <source>Don’t check %1 for updates</source>
        <translation>不检查 %1 的更新</translation>
    </message>
    <message>
        <source>%1 %2 is kept (%3)</source>
        <translation>已保留 %1 %2（%3）</translation>
    </message>
    <message>
        <source>Revert to %1</source>
        <translation>还原到 %1</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>将 %1 还原到 %2</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>再次检查</translation>
    </message>
    <message>
        <source>Check %1 for updates again</source>
        <translation>再次检查 %1 的更新</translation>
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
        <translation>你已选择不检查 %1 的更新。</translation>
    </message>
    <message>
        <source>You skipped %1 %2.</source>
        <extracomment>%1 is the app&apos;s name, %2 the version skipped</extracomment>
        <translation>你已跳过 %1 %2。</translation>
    </message>
</context>
<context>
    <name>UpdatesView</name>
    <message>
        <source>Updates</source>
        <extracomment>The heading of the view of the apps with a newer version.</extracomment>
        <translation>更新</translation>
    </message>
    <message>
        <source>Update all</source>
        <translation>全部更新</translation>
    </message>
    <message>
        <source>Not every app could be checked for updates: %1</source>
        <extracomment>%1 is one or more sentences saying what went wrong.</extracomment>
        <translation>部分应用无法检查更新：%1</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>正在检查更新…</translation>
    </message>
    <message>
        <source>All your apps are up to date.</source>
        <translation>你的所有应用均已是最新版本。</translation>
    </message>
    <message numerus="yes">
        <source>%n apps have a newer version.</source>
        <translation>
            <numerusform>%n 个应用有新版本。</numerusform>
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
        <translation>试用优秀的 Mac 应用</translation>
    </message>
    <message>
        <source>Browse a handpicked catalog and try great Mac apps before you buy. Install and uninstall cleanly, with no leftovers.</source>
        <translation>浏览精选目录，在购买前试用优秀的 Mac 应用。干净地安装和卸载，不留残留数据。</translation>
    </message>
    <message>
        <source>The first open</source>
        <extracomment>The heading of what happens the first time an app is opened.</extracomment>
        <translation>首次打开</translation>
    </message>
    <message>
        <source>macOS may ask you to confirm opening an app, and some apps need a permission in System Settings. We guide you when it happens.</source>
        <translation>macOS 可能会要求你确认打开某个应用，有些应用还需要在“系统设置”中获得权限。届时我们会为你提供指导。</translation>
    </message>
    <message>
        <source>Welcome to Orvando</source>
        <translation>欢迎使用 Orvando</translation>
    </message>
    <message>
        <source>Welcome to Orvando.</source>
        <translation>欢迎使用 Orvando。</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>开始使用</translation>
    </message>
</context>
<context>
    <name>ZapPaths</name>
    <message>
        <source>it leads outside its folder</source>
        <translation>它指向其文件夹之外</translation>
    </message>
    <message>
        <source>not a full path</source>
        <translation>不是完整路径</translation>
    </message>
    <message>
        <source>it steps out of its folder</source>
        <translation>它超出了其文件夹</translation>
    </message>
    <message>
        <source>it would match other apps’ files</source>
        <translation>它会匹配到其他应用的文件</translation>
    </message>
    <message>
        <source>it belongs to %1</source>
        <translation>它属于 %1</translation>
    </message>
    <message>
        <source>it is a link to another place</source>
        <translation>它是指向其他位置的链接</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a path, %2 why it is left alone</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
</TS>
