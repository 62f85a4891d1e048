<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Core</name>
    <message>
        <source>再生ボタンを配置します</source>
        <translation>Place the Play button</translation>
    </message>
    <message>
        <source>停止ボタンを配置します</source>
        <translation>Place the Stop button</translation>
    </message>
    <message>
        <source>曲頭バックボタンを配置します</source>
        <translation>Place the Track Start button</translation>
    </message>
    <message>
        <source>次曲送りボタンを配置します</source>
        <translation>Place the Next Track button</translation>
    </message>
    <message>
        <source>巻き戻しボタンを配置します</source>
        <translation>Place the Rewind button</translation>
    </message>
    <message>
        <source>早送りボタンを配置します</source>
        <translation>Place the Fast Forward button</translation>
    </message>
    <message>
        <source>音量大ボタンを配置します</source>
        <translation>Place the Volume Up button</translation>
    </message>
    <message>
        <source>音量小ボタンを配置します</source>
        <translation>Place the Volume Down button</translation>
    </message>
    <message>
        <source>ボリュームレベル(横バー)を配置します</source>
        <translation>Place volume (horiz. bar)</translation>
    </message>
    <message>
        <source>ボリュームレベル(縦バー)を配置します</source>
        <translation>Place volume (vert. bar)</translation>
    </message>
    <message>
        <source>ボリュームレベル(横ドット)を配置します</source>
        <translation>Place volume (horiz. dots)</translation>
    </message>
    <message>
        <source>ボリュームレベル(縦ドット)を配置します</source>
        <translation>Place volume (vert. dots)</translation>
    </message>
    <message>
        <source>グライコ(横バー)を配置します</source>
        <translation>Place equaliser (horiz. bars)</translation>
    </message>
    <message>
        <source>グライコ(縦バー)を配置します</source>
        <translation>Place equaliser (vert. bars)</translation>
    </message>
    <message>
        <source>グライコ(横ドット)を配置します</source>
        <translation>Place equaliser (horiz. dots)</translation>
    </message>
    <message>
        <source>グライコ(縦ドット)を配置します</source>
        <translation>Place equaliser (vert. dots)</translation>
    </message>
    <message>
        <source>レベルメータ(横バー)を配置します</source>
        <translation>Place level meter (horiz. bar)</translation>
    </message>
    <message>
        <source>レベルメータ(縦バー)を配置します</source>
        <translation>Place level meter (vert. bar)</translation>
    </message>
    <message>
        <source>レベルメータ(横ドット)を配置します</source>
        <translation>Place level meter (horiz. dots)</translation>
    </message>
    <message>
        <source>レベルメータ(縦ドット)を配置します</source>
        <translation>Place level meter (vert. dots)</translation>
    </message>
    <message>
        <source>時間表示(１)を配置します</source>
        <translation>Place time display (1)</translation>
    </message>
    <message>
        <source>時間表示(２)を配置します</source>
        <translation>Place time display (2)</translation>
    </message>
    <message>
        <source>時間表示(３)を配置します</source>
        <translation>Place time display (3)</translation>
    </message>
    <message>
        <source>トラック表示(１)を配置します</source>
        <translation>Place track display (1)</translation>
    </message>
    <message>
        <source>トラック表示(２)を配置します</source>
        <translation>Place track display (2)</translation>
    </message>
    <message>
        <source>トラック表示(３)を配置します</source>
        <translation>Place track display (3)</translation>
    </message>
    <message>
        <source>タイトル表示(大)を配置します</source>
        <translation>Place title display (large)</translation>
    </message>
    <message>
        <source>タイトル表示(中)を配置します</source>
        <translation>Place title display (medium)</translation>
    </message>
    <message>
        <source>タイトル表示(小)を配置します</source>
        <translation>Place title display (small)</translation>
    </message>
    <message>
        <source>リプレイボタンを配置します</source>
        <translation>Place the Replay button</translation>
    </message>
    <message>
        <source>他の部品と重なっているため配置できません</source>
        <translation>Cannot place: touches another part</translation>
    </message>
    <message>
        <source>背景画像を読み込んでから保存して下さい
保存できませんでした</source>
        <translation>Please import a background picture before saving.
Nothing was saved.</translation>
    </message>
    <message>
        <source>再生ボタンと停止ボタンを必ず配置して下さい
作成できませんでした</source>
        <translation>Please place both the Play and the Stop button.
The skin was not created.</translation>
    </message>
    <message>
        <source>ファイル名を入力してください。
半角30文字以内(拡張子含む)の長さでお願いします。</source>
        <translation>Please enter a file name.
It may be at most 30 single-byte characters long, extension included.</translation>
    </message>
    <message>
        <source>ファイル名にShift_JISで表せない文字が含まれています。
別の名前を指定してください。</source>
        <translation>The file name has characters that Shift_JIS cannot hold.
Please choose another name.</translation>
    </message>
    <message>
        <source>ここで指定されるファイル名は、Harmoniquestのデータベース名にも使用されます。
半角30文字以内(拡張子含む)の長さでお願いします。</source>
        <translation>The file name is also the Harmoniquest database name.
It may be at most 30 single-byte characters long, extension included.</translation>
    </message>
    <message>
        <source>データベースタイトルを入力してください。</source>
        <translation>Please enter the database title.</translation>
    </message>
    <message>
        <source>データベース作者名を入力してください。</source>
        <translation>Please enter the database author.</translation>
    </message>
    <message>
        <source>データベースバージョンを入力してください。</source>
        <translation>Please enter the database version.</translation>
    </message>
    <message>
        <source>先に背景画像を取り込んでください</source>
        <translation>Import a background picture first</translation>
    </message>
    <message>
        <source>再生ボタン</source>
        <translation>Play button</translation>
    </message>
    <message>
        <source>停止ボタン</source>
        <translation>Stop button</translation>
    </message>
    <message>
        <source>曲頭バックボタン</source>
        <translation>Track Start button</translation>
    </message>
    <message>
        <source>次曲送りボタン</source>
        <translation>Next Track button</translation>
    </message>
    <message>
        <source>巻き戻しボタン</source>
        <translation>Rewind button</translation>
    </message>
    <message>
        <source>早送りボタン</source>
        <translation>Fast Forward button</translation>
    </message>
    <message>
        <source>音量大ボタン</source>
        <translation>Volume Up button</translation>
    </message>
    <message>
        <source>音量小ボタン</source>
        <translation>Volume Down button</translation>
    </message>
    <message>
        <source>ボリュームレベル(横バー)</source>
        <translation>Volume (horiz. bar)</translation>
    </message>
    <message>
        <source>ボリュームレベル(縦バー)</source>
        <translation>Volume (vert. bar)</translation>
    </message>
    <message>
        <source>ボリュームレベル(横ドット)</source>
        <translation>Volume (horiz. dots)</translation>
    </message>
    <message>
        <source>ボリュームレベル(縦ドット)</source>
        <translation>Volume (vert. dots)</translation>
    </message>
    <message>
        <source>グライコ(横バー)</source>
        <translation>Equaliser (horiz. bars)</translation>
    </message>
    <message>
        <source>グライコ(縦バー)</source>
        <translation>Equaliser (vert. bars)</translation>
    </message>
    <message>
        <source>グライコ(横ドット)</source>
        <translation>Equaliser (horiz. dots)</translation>
    </message>
    <message>
        <source>グライコ(縦ドット)</source>
        <translation>Equaliser (vert. dots)</translation>
    </message>
    <message>
        <source>レベルメータ(横バー)</source>
        <translation>Level meter (horiz. bar)</translation>
    </message>
    <message>
        <source>レベルメータ(縦バー)</source>
        <translation>Level meter (vert. bar)</translation>
    </message>
    <message>
        <source>レベルメータ(横ドット)</source>
        <translation>Level meter (horiz. dots)</translation>
    </message>
    <message>
        <source>レベルメータ(縦ドット)</source>
        <translation>Level meter (vert. dots)</translation>
    </message>
    <message>
        <source>時間表示(１)</source>
        <translation>Time display (1)</translation>
    </message>
    <message>
        <source>時間表示(２)</source>
        <translation>Time display (2)</translation>
    </message>
    <message>
        <source>時間表示(３)</source>
        <translation>Time display (3)</translation>
    </message>
    <message>
        <source>トラック表示(１)</source>
        <translation>Track display (1)</translation>
    </message>
    <message>
        <source>トラック表示(２)</source>
        <translation>Track display (2)</translation>
    </message>
    <message>
        <source>トラック表示(３)</source>
        <translation>Track display (3)</translation>
    </message>
    <message>
        <source>タイトル表示(大)</source>
        <translation>Title display (large)</translation>
    </message>
    <message>
        <source>タイトル表示(中)</source>
        <translation>Title display (medium)</translation>
    </message>
    <message>
        <source>タイトル表示(小)</source>
        <translation>Title display (small)</translation>
    </message>
    <message>
        <source>リプレイボタン</source>
        <translation>Replay button</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>オフ状態色</source>
        <translation>Off colour</translation>
    </message>
    <message>
        <source>オン状態色</source>
        <translation>On colour</translation>
    </message>
    <message>
        <source>ボタン設定</source>
        <translation>Button Settings</translation>
    </message>
    <message>
        <source>画像付きボタンを配置</source>
        <translation>Button with image</translation>
    </message>
    <message>
        <source>画像なしボタンを配置</source>
        <translation>Button without image</translation>
    </message>
    <message>
        <source>色設定</source>
        <translation>Colour Settings</translation>
    </message>
    <message>
        <source>最大状態色</source>
        <translation>Max colour</translation>
    </message>
    <message>
        <source>文字色</source>
        <translation>Text colour</translation>
    </message>
    <message>
        <source>文字色設定</source>
        <translation>Text Colour</translation>
    </message>
    <message>
        <source>Harmoniquest SKINデータを</source>
        <translation>The Harmoniquest skin</translation>
    </message>
    <message>
        <source>作成しました</source>
        <translation>has been created.</translation>
    </message>
    <message>
        <source>データベース情報設定</source>
        <translation>Database Information</translation>
    </message>
    <message>
        <source>データベース名</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>制作者</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>バージョン</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>（６桁数字）</source>
        <translation>(6 digits)</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1に使えない文字「%2」が含まれています。
Shift-JISで表せる文字で入力してください。</source>
        <translation>%1 has the character “%2”, which Shift-JIS cannot hold.
Please use other characters.</translation>
    </message>
    <message>
        <source>イメージ表示</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>作&#x3000;成</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>黒</source>
        <translation>black</translation>
    </message>
    <message>
        <source>栗色</source>
        <translation>maroon</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>green</translation>
    </message>
    <message>
        <source>オリーブ</source>
        <translation>olive</translation>
    </message>
    <message>
        <source>紺</source>
        <translation>navy</translation>
    </message>
    <message>
        <source>紫</source>
        <translation>purple</translation>
    </message>
    <message>
        <source>青緑</source>
        <translation>teal</translation>
    </message>
    <message>
        <source>銀</source>
        <translation>silver</translation>
    </message>
    <message>
        <source>灰色</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>red</translation>
    </message>
    <message>
        <source>ライム</source>
        <translation>lime</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>青</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>赤紫</source>
        <translation>fuchsia</translation>
    </message>
    <message>
        <source>水色</source>
        <translation>aqua</translation>
    </message>
    <message>
        <source>白</source>
        <translation>white</translation>
    </message>
    <message>
        <source>背景とのコントラスト %1 (必要 %2)</source>
        <translation>Contrast with the background %1 (needs %2)</translation>
    </message>
    <message>
        <source>背景 %1 (部品の面積の %2 %)</source>
        <translation>Background %1 (%2 % of the part&apos;s area)</translation>
    </message>
    <message>
        <source>背景とのコントラスト (必要 %1):</source>
        <translation>Contrast with the background (needs %1):</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>オフ状態色</source>
        <translation>off colour</translation>
    </message>
    <message>
        <source>オン状態色</source>
        <translation>on colour</translation>
    </message>
    <message>
        <source>最大状態色</source>
        <translation>maximum colour</translation>
    </message>
    <message>
        <source>文字色</source>
        <translation>text colour</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>背景画像がありません。背景画像がないとスキンを作成できません</source>
        <translation>No background picture; a skin cannot be written without one</translation>
    </message>
    <message>
        <source>配置されていません。作成には再生ボタンと停止ボタンが必要です</source>
        <translation>Not placed; Create needs both the play and the stop button</translation>
    </message>
    <message>
        <source>320 x 320 のスキンからはみ出しています</source>
        <translation>Lies outside the 320 x 320 skin</translation>
    </message>
    <message>
        <source>同じグループの %1 と一緒に配置されています。配置できるのは一つだけです</source>
        <translation>Placed together with %1 of the same group; only one of them may be</translation>
    </message>
    <message>
        <source>%1 と重なっています</source>
        <translation>Overlaps %1</translation>
    </message>
    <message>
        <source>%1 と接しています。部品の間には 1 ピクセルの隙間が必要です</source>
        <translation>Touches %1; parts need a free pixel between them</translation>
    </message>
    <message>
        <source>ファイルの配置数は %1 ですが、配置されている部品は %2 個です。スキンを書き出せません</source>
        <translation>The file counts %1 placed parts, but %2 are placed; the skin writer refuses that</translation>
    </message>
    <message>
        <source>背景とのコントラストが低い: %1 %2 (必要 %3, 背景色 %4 が面積の %5 %)</source>
        <translation>Low contrast against the background: %1 %2 (needs %3; background colour %4 covers %5 % of the area)</translation>
    </message>
    <message>
        <source>%1と%2のコントラストが低い: %3 と %4 %5 (必要 %6)</source>
        <translation>Low contrast between %1 and %2: %3 against %4 %5 (needs %6)</translation>
    </message>
    <message>
        <source>。点灯と消灯の区別がつきません</source>
        <translation>; a lit unit cannot be told from an unlit one</translation>
    </message>
</context>
<context>
    <name>UserPrompts</name>
    <message>
        <source>変更を保存しますか?</source>
        <translation>Save changes?</translation>
    </message>
    <message>
        <source>保存する</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>保存しない</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>前回終了しなかった編集の内容が残っています。
%1
復元しますか?</source>
        <translation>An editor that did not close left unsaved work:
%1
Restore it?</translation>
    </message>
    <message>
        <source>復元する</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>破棄する</source>
        <translation>Discard</translation>
    </message>
</context>
<context>
    <name>vorlune::AboutDialog</name>
    <message>
        <source>Vorluneのﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About Vorlune</translation>
    </message>
    <message>
        <source>Vorlune Version %1</source>
        <translation>Vorlune Version %1</translation>
    </message>
</context>
<context>
    <name>vorlune::CanvasStatus</name>
    <message>
        <source>カーソル %1, %2</source>
        <translation>Cursor %1, %2</translation>
    </message>
    <message>
        <source>位置 %1, %2&#x3000;大きさ %3 × %4</source>
        <translation>Position %1, %2  Size %3 × %4</translation>
    </message>
    <message>
        <source>倍率 %1×</source>
        <translation>Zoom %1×</translation>
    </message>
</context>
<context>
    <name>vorlune::CanvasView</name>
    <message>
        <source>%1が配置済みです</source>
        <translation>The %1 is already placed</translation>
    </message>
    <message>
        <source>画面からはみ出します</source>
        <translation>Outside the skin</translation>
    </message>
    <message>
        <source>%1と接しています</source>
        <translation>Touches the %1</translation>
    </message>
</context>
<context>
    <name>vorlune::CanvasViewActions</name>
    <message>
        <source>拡大(&amp;I)</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>縮小(&amp;O)</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>標準の倍率(&amp;D)</source>
        <translation>&amp;Default Zoom</translation>
    </message>
    <message>
        <source>ウィンドウに合わせる(&amp;W)</source>
        <translation>Fit to &amp;Window</translation>
    </message>
    <message>
        <source>ピクセルグリッド(&amp;G)</source>
        <translation>Pixel &amp;Grid</translation>
    </message>
    <message>
        <source>実際の色で表示</source>
        <translation>Show real colours</translation>
    </message>
</context>
<context>
    <name>vorlune::EditorActions</name>
    <message>
        <source>部品の配置</source>
        <translation>Place Part</translation>
    </message>
    <message>
        <source>部品の移動</source>
        <translation>Move Part</translation>
    </message>
    <message>
        <source>部品の削除</source>
        <translation>Remove Part</translation>
    </message>
    <message>
        <source>色の変更</source>
        <translation>Change Colours</translation>
    </message>
    <message>
        <source>背景画像の読み込み</source>
        <translation>Import Background</translation>
    </message>
    <message>
        <source>データベース情報の変更</source>
        <translation>Change Database Info</translation>
    </message>
    <message>
        <source>画像(&amp;I)...</source>
        <translation>&amp;Image...</translation>
    </message>
    <message>
        <source>画像を取り込む（オプション指定）...</source>
        <translation>Import Picture with Options...</translation>
    </message>
    <message>
        <source>読み込み(&amp;O)...</source>
        <translation>&amp;Load...</translation>
    </message>
    <message>
        <source>保存(&amp;S)...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>作成(&amp;E)...</source>
        <translation>&amp;Create...</translation>
    </message>
    <message>
        <source>終了(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Vorlune のﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>&amp;About Vorlune...</translation>
    </message>
    <message>
        <source>最近使ったプロジェクト</source>
        <translation>Recent Projects</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>元に戻す: %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し: %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>再生シミュレーション(&amp;P)</source>
        <translation>&amp;Player simulation</translation>
    </message>
    <message>
        <source>レイアウトを別の画像に適用...</source>
        <translation>Apply layout to pictures...</translation>
    </message>
</context>
<context>
    <name>vorlune::EditorWindow</name>
    <message>
        <source>画像 (*.png *.jpg *.jpeg *.webp *.gif *.tif *.tiff *.bmp)</source>
        <translation>Pictures (*.png *.jpg *.jpeg *.webp *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message>
        <source>言語の変更は次回の起動から有効になります。</source>
        <translation>The new language applies from the next start.</translation>
    </message>
    <message>
        <source>画&#x3000;像</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>保&#x3000;存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>読み込み</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>作&#x3000;成</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>このスキンは、このエディタで作られたものではないか、
作成後に変更されています。
プロジェクトとして開いて作成し直すと、元のスキンと同じにはなりません。
開きますか？</source>
        <translation>This skin was not made by this editor, or was changed
after it was made. Opened as a project and created again,
it will not be the same as the original skin.
Open it?</translation>
    </message>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Shift+画像: 精細な減色で取り込み直す</source>
        <translation>Shift+Image: import again with the fine reduction</translation>
    </message>
    <message>
        <source>プロジェクトを書き出すフォルダ</source>
        <translation>Folder for the projects</translation>
    </message>
    <message>
        <source>次のプロジェクトは既にあります。上書きしますか?
（いいえ: その画像は飛ばします）

</source>
        <translation>These projects already exist. Overwrite them?
(No: those pictures are skipped)

</translation>
    </message>
    <message>
        <source>プロジェクトを書き出しています...</source>
        <translation>Writing the projects...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>レイアウトを別の画像に適用</source>
        <translation>Apply layout to pictures</translation>
    </message>
    <message>
        <source>%1 を取り込んでいます (%2 / %3)</source>
        <translation>Importing %1 (%2 of %3)</translation>
    </message>
    <message>
        <source>同じ名前の画像が先にあるため飛ばしました</source>
        <translation>skipped: a picture of the same name came first</translation>
    </message>
    <message>
        <source>プロジェクトが既にあるため飛ばしました</source>
        <translation>skipped: the project already exists</translation>
    </message>
    <message>
        <source>プロジェクトを %1 個書き出しました</source>
        <translation>%1 projects written</translation>
    </message>
    <message>
        <source>（キャンセルしました）</source>
        <translation> (cancelled)</translation>
    </message>
    <message>
        <source>次の画像のプロジェクトは書き出していません:</source>
        <translation>No project was written for these pictures:</translation>
    </message>
</context>
<context>
    <name>vorlune::PictureImportDialog</name>
    <message>
        <source>画像の取り込み</source>
        <translation>Import Picture</translation>
    </message>
    <message>
        <source>元の画像（320×320 に合わせたもの）</source>
        <translation>Original (fitted to 320×320)</translation>
    </message>
    <message>
        <source>取り込み後（214色以下）</source>
        <translation>Imported (214 colours at most)</translation>
    </message>
    <message>
        <source>合わせ方：</source>
        <translation>Fit:</translation>
    </message>
    <message>
        <source>はみ出す部分を切り取る</source>
        <translation>Crop the overflow</translation>
    </message>
    <message>
        <source>全体を収める（余白あり）</source>
        <translation>Fit whole (with borders)</translation>
    </message>
    <message>
        <source>縦横を引き伸ばす</source>
        <translation>Stretch to fill</translation>
    </message>
    <message>
        <source>減色：</source>
        <translation>Colours:</translation>
    </message>
    <message>
        <source>精細（画像に合わせた色）</source>
        <translation>Fine (adapted palette)</translation>
    </message>
    <message>
        <source>従来（24bit BMP と同じ）</source>
        <translation>Classic (as 24-bit BMP)</translation>
    </message>
    <message>
        <source>ディザ（誤差拡散）</source>
        <translation>Dither (error diffusion)</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>画像の縁の平均色</source>
        <translation>the picture&apos;s average edge colour</translation>
    </message>
    <message>
        <source>余白の色：</source>
        <translation>Matte colour:</translation>
    </message>
</context>
<context>
    <name>vorlune::PlayerControls</name>
    <message>
        <source>停止</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>再生中</source>
        <translation>Playing</translation>
    </message>
    <message>
        <source>一時停止中</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>早送り</source>
        <translation>Fast forward</translation>
    </message>
    <message>
        <source>巻き戻し</source>
        <translation>Rewind</translation>
    </message>
    <message>
        <source>手動</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>シナリオ</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>リピート</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>イコライザ</source>
        <translation>Equaliser</translation>
    </message>
    <message>
        <source>レベル / ピーク</source>
        <translation>Level / peak</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>トラック</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>一時停止</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>再生</source>
        <translation>Play</translation>
    </message>
</context>
<context>
    <name>vorlune::PlayerWindow</name>
    <message>
        <source>再生シミュレーション</source>
        <translation>Player simulation</translation>
    </message>
</context>
<context>
    <name>vorlune::ProblemCounter</name>
    <message numerus="yes">
        <source>エラー %n</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>警告 %n</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vorlune::ProblemsPanel</name>
    <message>
        <source>問題</source>
        <translation>Problems</translation>
    </message>
    <message>
        <source>部品</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Message</translation>
    </message>
</context>
</TS>
