<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>MazePicture</name>
    <message>
        <source>No maze yet</source>
        <translation>迷路はまだありません</translation>
    </message>
    <message>
        <source>No maze yet. Press %1 to build one.</source>
        <translation>迷路はまだありません。%1 を押すと迷路を作ります。</translation>
    </message>
    <message>
        <source>Maze</source>
        <translation>迷路</translation>
    </message>
    <message>
        <source>A maze of 21 by 21 cells, from S at the top left to G at the bottom right. Press %1 to draw the route.</source>
        <translation>21×21 マスの迷路です。左上の S から右下の G まで続いています。%1 を押すと道順を描きます。</translation>
    </message>
    <message>
        <source>A maze of 21 by 21 cells. No route from S to G was found.</source>
        <translation>21×21 マスの迷路です。S から G への道順は見つかりませんでした。</translation>
    </message>
    <message>
        <source>Maze, route being drawn</source>
        <translation>迷路（道順を描いています）</translation>
    </message>
    <message>
        <source>The route is being drawn: %1 of %2 cells.</source>
        <translation>道順を描いています：%2 マスのうち %1 マス。</translation>
    </message>
    <message>
        <source>Maze, route to G</source>
        <translation>迷路（G までの道順）</translation>
    </message>
    <message>
        <source>The route reached G in %1 cells.</source>
        <translation>道順は %1 マスで G に着きました。</translation>
    </message>
    <message>
        <source>Builds a new random maze.</source>
        <translation>新しい迷路をランダムに作ります。</translation>
    </message>
    <message>
        <source>Finds the route from S to G and draws it.</source>
        <translation>S から G までの道順を探して描きます。</translation>
    </message>
</context>
<context>
    <name>Tolvane</name>
    <message>
        <source>Tolvane: no installed font can show the button captions; install fonts-vlgothic (or fonts-noto-cjk).</source>
        <translation>Tolvane: ボタンの文字を表示できるフォントがインストールされていません。fonts-vlgothic（または fonts-noto-cjk）をインストールしてください。</translation>
    </message>
</context>
<context>
    <name>WindowAccessible</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Closes the window</source>
        <translation>ウィンドウを閉じます</translation>
    </message>
</context>
</TS>
