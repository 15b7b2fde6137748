<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Algorithm</name>
    <message>
        <source>Regions (classic)</source>
        <translation>領域法 (標準)</translation>
    </message>
    <message>
        <source>Seeded regions grown and joined: short branches everywhere, the classic texture.</source>
        <translation>種から育てた領域をつなぎます: 短い枝道がどこにでもある、いつもの手ざわりです。</translation>
    </message>
    <message>
        <source>Recursive backtracker</source>
        <translation>再帰的バックトラック法</translation>
    </message>
    <message>
        <source>Long winding corridors and few dead ends: a long route.</source>
        <translation>長く曲がりくねった通路と少ない行き止まり: 長い道順になります。</translation>
    </message>
    <message>
        <source>Hunt and kill</source>
        <translation>ハント・アンド・キル法</translation>
    </message>
    <message>
        <source>Long corridors like the backtracker&apos;s, the route a little straighter.</source>
        <translation>バックトラック法のような長い通路で、道順は少しまっすぐです。</translation>
    </message>
    <message>
        <source>Growing tree</source>
        <translation>成長木法</translation>
    </message>
    <message>
        <source>Mostly backtracker, partly Prim: medium corridors and branches.</source>
        <translation>大部分はバックトラック法、一部はプリム法: 中くらいの通路と枝道です。</translation>
    </message>
    <message>
        <source>Prim&apos;s algorithm</source>
        <translation>プリム法</translation>
    </message>
    <message>
        <source>Many short dead ends spreading from the middle: a short, busy route.</source>
        <translation>中心から広がる短い行き止まりが多く、短くて分かれ道の多い道順です。</translation>
    </message>
    <message>
        <source>Kruskal&apos;s algorithm</source>
        <translation>クラスカル法</translation>
    </message>
    <message>
        <source>Many short dead ends, evenly spread.</source>
        <translation>短い行き止まりが多く、まんべんなく散らばっています。</translation>
    </message>
    <message>
        <source>Wilson&apos;s algorithm</source>
        <translation>ウィルソン法</translation>
    </message>
    <message>
        <source>Every maze equally likely: many dead ends, a fairly winding route.</source>
        <translation>どの迷路も同じ確率で現れます: 行き止まりが多く、ほどよく曲がる道順です。</translation>
    </message>
</context>
<context>
    <name>Animation</name>
    <message>
        <source>%1: unknown file type; the name must end in .gif or .webp</source>
        <translation>%1: 不明なファイル形式です。名前は .gif か .webp で終わる必要があります</translation>
    </message>
    <message>
        <source>the animation would take %1 MB, more than the %2 MB allowed; choose a smaller maze or a faster pace</source>
        <translation>アニメーションは %1 MB になり、上限の %2 MB を超えます。小さい迷路か速いペースを選んでください</translation>
    </message>
    <message>
        <source>the GIF could not be made: %1</source>
        <translation>GIF を作れませんでした: %1</translation>
    </message>
    <message>
        <source>the WebP encoder could not start</source>
        <translation>WebP エンコーダーを開始できませんでした</translation>
    </message>
    <message>
        <source>the WebP could not be made: %1</source>
        <translation>WebP を作れませんでした: %1</translation>
    </message>
    <message>
        <source>the animation was stopped; nothing was written</source>
        <translation>アニメーションを中止しました。何も書き込んでいません</translation>
    </message>
</context>
<context>
    <name>BuildMenu</name>
    <message>
        <source>&amp;Way to Build</source>
        <translation>作り方(&amp;W)</translation>
    </message>
    <message>
        <source>No loops</source>
        <translation>ループなし</translation>
    </message>
    <message>
        <source>Loops: %1 % of the dead ends opened</source>
        <translation>ループ: 行き止まりの %1 % を開く</translation>
    </message>
</context>
<context>
    <name>Code</name>
    <message>
        <source>codes never use the character %1</source>
        <translation>コードに %1 という文字は使われません</translation>
    </message>
    <message>
        <source>a code has ten characters, like %1, and this has %2</source>
        <translation>コードは %1 のような 10 文字ですが、これは %2 文字です</translation>
    </message>
    <message>
        <source>a character is mistyped or two are swapped (the check does not match)</source>
        <translation>どこかの文字が打ち間違っているか、隣り合う 2 文字が入れ替わっています (チェック文字が合いません)</translation>
    </message>
    <message>
        <source>after its size a code has ten characters, like %1, and this has %2</source>
        <translation>コードは大きさの後に %1 のような 10 文字が続きますが、これは %2 文字です</translation>
    </message>
    <message>
        <source>%1 is no maze size: each side is a whole number from %2 to %3</source>
        <translation>%1 は迷路の大きさではありません (横も縦も %2〜%3 の整数です)</translation>
    </message>
    <message>
        <source>a hyphen goes after the size, like %1</source>
        <translation>大きさの後にはハイフンが入ります (例: %1)</translation>
    </message>
    <message>
        <source>a %1 maze&apos;s code has no size in front, like %2</source>
        <translation>%1 の迷路のコードには大きさを付けません (例: %2)</translation>
    </message>
    <message>
        <source>%1 characters</source>
        <translation>%1 文字</translation>
    </message>
    <message>
        <source>a circle has %1 to %2 rings, not %3</source>
        <translation>円の輪は %1 から %2 までで、%3 ではありません</translation>
    </message>
    <message>
        <source>this shape has %1 to %2 cells a side, not %3</source>
        <translation>この形の一辺は %1 から %2 マスまでで、%3 ではありません</translation>
    </message>
    <message>
        <source>a word&apos;s letters are %1 to %2 cells tall, not %3</source>
        <translation>言葉の文字の高さは %1 から %2 マスまでで、%3 ではありません</translation>
    </message>
    <message>
        <source>%1 is no size for this shape: each side is a whole number from %2 to %3</source>
        <translation>%1 はこの形の大きさではありません。各辺は %2 から %3 までの整数です</translation>
    </message>
    <message>
        <source>after %1 and its hyphen a code has ten characters, like %2, and this has %3</source>
        <translation>コードは %1 とハイフンの後に %2 のような 10 文字が続きますが、これは %3 文字です</translation>
    </message>
    <message>
        <source>no way to build has the letter %1 (the ways are %2)</source>
        <translation>%1 という文字の作り方はありません（作り方は %2）</translation>
    </message>
    <message>
        <source>after the way&apos;s letter comes the share of loops, 0 to 99, or N or S, like %1</source>
        <translation>作り方の文字の後にはループの割合（0 から 99、または N か S）が続きます（例: %1）</translation>
    </message>
    <message>
        <source>no shape has the letter %1 (the shapes are %2)</source>
        <translation>%1 という文字の形はありません（形は %2）</translation>
    </message>
    <message>
        <source>a word is written in 1 to %1 capitals, A to Z</source>
        <translation>言葉は A から Z の大文字 1 から %1 文字で書きます</translation>
    </message>
    <message>
        <source>its front names no way, loops, shape and size, like %1</source>
        <translation>先頭が作り方、ループ、形、大きさを表していません（例: %1）</translation>
    </message>
    <message>
        <source>a maze built the classic way has a code without a front, like %1</source>
        <translation>標準の作り方の迷路のコードには先頭の部分がありません（例: %1）</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>code</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>Write a maze to this file and exit, without opening a window. The name&apos;s extension chooses the format: .png, .svg or .pdf.</source>
        <translation>ウィンドウを開かずに迷路をこのファイルに書き出して終了します。形式は名前の拡張子 (.png、.svg、.pdf) で決まります。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>With --export to a PDF: write this many new mazes, one a page, from 1 to 1000.</source>
        <translation>--export で PDF に書き出すとき: 新しい迷路をこの数だけ、1 ページに 1 つずつ書き出します (1 から 1000)。</translation>
    </message>
    <message>
        <source>n</source>
        <translation>数</translation>
    </message>
    <message>
        <source>With --export: add the answer. A PNG or SVG shows the whole route; a PDF ends with an answer key, the solved mazes numbered as their puzzles.</source>
        <translation>--export と共に: 答えを加えます。PNG と SVG には道順全体を描き、PDF では最後に解答ページを付けます (答えの迷路には問題と同じ番号が付きます)。</translation>
    </message>
    <message>
        <source>Also print the toolkit&apos;s own messages while connecting to the display.</source>
        <translation>ディスプレイに接続する間のツールキット自身のメッセージも表示します。</translation>
    </message>
    <message>
        <source>Use this Qt platform plugin (xcb, wayland, …).</source>
        <translation>この Qt プラットフォームプラグインを使います (xcb、wayland など)。</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Use this X display.</source>
        <translation>この X ディスプレイを使います。</translation>
    </message>
    <message>
        <source>display</source>
        <translation>ディスプレイ</translation>
    </message>
    <message>
        <source>Builds random perfect mazes and solves them. Without options it opens its window.</source>
        <translation>ランダムな完全迷路を作って解きます。オプションなしではウィンドウを開きます。</translation>
    </message>
    <message>
        <source>--%1 goes with --export</source>
        <translation>--%1 は --export と共に使います</translation>
    </message>
    <message>
        <source>adults</source>
        <translation>大人</translation>
    </message>
    <message>
        <source>With --export: mazes of this size, width x height cells, each from 2 to 1001; 21x21 unless given.</source>
        <translation>--export と共に: この大きさ (横 x 縦 マス、それぞれ 2〜1001) の迷路を作ります。指定しなければ 21x21 です。</translation>
    </message>
    <message>
        <source>WxH</source>
        <translation>横x縦</translation>
    </message>
    <message>
        <source>With --export to a PDF: this title on every page.</source>
        <translation>PDF への --export と共に: すべてのページにこの題名を入れます。</translation>
    </message>
    <message>
        <source>text</source>
        <translation>文字列</translation>
    </message>
    <message>
        <source>With --export to a PNG: this many pixels a cell, 1 to 64, instead of the window&apos;s picture; for big mazes.</source>
        <translation>PNG への --export と共に: 1 マスをこのピクセル数 (1〜64) で描きます。ウィンドウの絵の代わりに、大きな迷路向けです。</translation>
    </message>
    <message>
        <source>px</source>
        <translation>ピクセル</translation>
    </message>
    <message>
        <source>the window shows mazes of up to %1x%1 cells; write this one to a file with --export</source>
        <translation>ウィンドウに表示できる迷路は %1x%1 マスまでです。この迷路は --export でファイルに書き出してください</translation>
    </message>
    <message>
        <source>--size and --level do not go together: a level has its own size</source>
        <translation>--size と --level は一緒に使えません。レベルには決まった大きさがあります</translation>
    </message>
    <message>
        <source>a maze code names its own size; leave out --size and --level</source>
        <translation>迷路コードは自身の大きさを含んでいます。--size と --level を外してください</translation>
    </message>
    <message>
        <source>ages %1</source>
        <translation>%1 歳</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 が 2 回以上指定されています</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>%1 というオプションはありません</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 は値を取りません</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>予期しない引数 %1</translation>
    </message>
    <message>
        <source>%1 is not a maze code: %2</source>
        <translation>%1 は迷路コードではありません: %2</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>使い方: %1 [オプション]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>&apos;tolvane --help&apos; lists the options</source>
        <translation>オプションの一覧は &apos;tolvane --help&apos; で表示されます</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from 1 to %2, not %3</source>
        <translation>--%1 には 1〜%2 の整数を指定します。%3 は使えません</translation>
    </message>
    <message>
        <source>--size takes WIDTHxHEIGHT, each side from %1 to %2, such as 31x31, not %3</source>
        <translation>--size には 31x31 のように 横x縦 (それぞれ %1〜%2) を指定します。%3 は使えません</translation>
    </message>
    <message>
        <source>--level takes 1 to %1, not %2</source>
        <translation>--level には 1〜%1 を指定します。%2 は使えません</translation>
    </message>
    <message>
        <source>--per-page takes 1, 2, 4 or 6, not %1</source>
        <translation>--per-page には 1、2、4、6 のいずれかを指定します。%1 は使えません</translation>
    </message>
    <message>
        <source>Move the focus between the buttons.</source>
        <translation>ボタン間でフォーカスを移動します。</translation>
    </message>
    <message>
        <source>Press the button that has the focus.</source>
        <translation>フォーカスのあるボタンを押します。</translation>
    </message>
    <message>
        <source>Play the maze shown, or start it over from S.</source>
        <translation>表示中の迷路をプレイします。もう一度押すと S からやり直します。</translation>
    </message>
    <message>
        <source>Arrow keys, W A S D</source>
        <translation>矢印キー, W A S D</translation>
    </message>
    <message>
        <source>While playing: say where the marker is (row, column, moves so far, the open sides), for screen readers.</source>
        <translation>プレイ中: マーカーの位置 (行、列、手数、開いている方向) を読み上げます (スクリーンリーダー向け)。</translation>
    </message>
    <message>
        <source>Stop playing.</source>
        <translation>プレイをやめます。</translation>
    </message>
    <message>
        <source>Copy the maze as a picture, with its code as text.</source>
        <translation>迷路を画像としてコピーします (コードはテキストで)。</translation>
    </message>
    <message>
        <source>Copy the maze&apos;s code.</source>
        <translation>迷路のコードをコピーします。</translation>
    </message>
    <message>
        <source>Open a maze code: typed in a dialog, or pasted.</source>
        <translation>迷路コードを開きます (ダイアログに入力するか、貼り付けます)。</translation>
    </message>
    <message>
        <source>Save or print the maze.</source>
        <translation>迷路を保存または印刷します。</translation>
    </message>
    <message>
        <source>Open the maze picture&apos;s menu.</source>
        <translation>迷路の画像のメニューを開きます。</translation>
    </message>
    <message>
        <source>Quit.</source>
        <translation>終了します。</translation>
    </message>
    <message>
        <source>Keys in the window:</source>
        <translation>ウィンドウのキー:</translation>
    </message>
    <message>
        <source>Open the window with the maze of this code built. With --export to a PDF: a worksheet of exactly these mazes, several codes parted by commas or spaces, or @FILE for a file with one code a line.</source>
        <translation>このコードの迷路を作った状態でウィンドウを開きます。PDF への --export と共に: ちょうどこれらの迷路のワークシートを作ります。複数のコードはコンマか空白で区切るか、@ファイル名で 1 行に 1 コードのファイルを指定します。</translation>
    </message>
    <message>
        <source>With --export to a PDF: a line for a name and the date over every maze, a poster&apos;s too.</source>
        <translation>PDF への --export と共に: ポスターも含め、すべての迷路の上に名前と日付の欄を付けます。</translation>
    </message>
    <message>
        <source>With --export to a PDF: leave out the lines for a name and the date, which every maze of a worksheet has (but not a poster).</source>
        <translation>PDF への --export と共に: 名前と日付の欄を省きます (ワークシートでは迷路ごとに付き、ポスターには付きません)。</translation>
    </message>
    <message>
        <source>With --export to a PDF: this many mazes to a page, 1, 2, 4 or 6; the answer key takes at least 4 to a page. Cells stay at least 1.5 mm wide, and a level&apos;s at least 7, 5, 4, 3 and 2 mm for levels 1 to 5.</source>
        <translation>PDF への --export と共に: 1 ページに載せる迷路の数 (1、2、4、6)。解答は 1 ページに 4 つ以上載せます。マスの幅は 1.5 mm 以上、レベル 1〜5 の迷路ではそれぞれ 7、5、4、3、2 mm 以上を保ちます。</translation>
    </message>
    <message>
        <source>With --export to a PDF: the puzzle pages this many times over, from 1 to 100, each copy whole before the next; the answer key once.</source>
        <translation>PDF への --export と共に: 問題ページをこの部数 (1〜100) だけ繰り返します。1 部ずつまとめて並べ、解答は 1 回だけです。</translation>
    </message>
    <message>
        <source>With --export to a PDF: the paper, a4, a3, a2, a1, a0, letter, tabloid or ledger (tabloid on its side); by default the one your locale uses.</source>
        <translation>PDF への --export と共に: 用紙 (a4、a3、a2、a1、a0、letter、tabloid、ledger。ledger は tabloid を横にしたもの)。指定しなければロケールの用紙です。</translation>
    </message>
    <message>
        <source>With --export to a PDF: print each maze as a poster across COLUMNSxROWS sheets of the paper, such as 3x4, each side from 1 to 10; each sheet says where it goes and has marks at its corners to cut and join it by. 2x2 doubles the cells&apos; width.</source>
        <translation>PDF への --export と共に: 各迷路を 列数x行数 枚 (3x4 など、それぞれ 1〜10) の用紙にまたがるポスターとして印刷します。各用紙には貼り合わせる位置と、切って貼り合わせるための角のしるしが付きます。2x2 でマスの幅は 2 倍になります。</translation>
    </message>
    <message>
        <source>CxR</source>
        <translation>列x行</translation>
    </message>
    <message>
        <source>cannot read the codes in %1: %2</source>
        <translation>%1 のコードを読めません: %2</translation>
    </message>
    <message>
        <source>--maze names no maze code</source>
        <translation>--maze に迷路コードがありません</translation>
    </message>
    <message>
        <source>--maze names %1 mazes; a PDF holds at most %2</source>
        <translation>--maze の迷路は %1 個です。PDF に入るのは %2 個までです</translation>
    </message>
    <message>
        <source>the window opens one maze; write several to a PDF with --export</source>
        <translation>ウィンドウで開ける迷路は 1 つです。複数の迷路は --export で PDF に書き出してください</translation>
    </message>
    <message>
        <source>--name-line and --no-name-line do not go together</source>
        <translation>--name-line と --no-name-line は同時に使えません</translation>
    </message>
    <message>
        <source>--maze names the mazes to write; leave out --count, or print more of them with --copies</source>
        <translation>書き出す迷路は --maze が決めます。--count を外すか、部数を増やすには --copies を使ってください</translation>
    </message>
    <message>
        <source>--paper takes a4, a3, a2, a1, a0, letter, tabloid or ledger, not %1</source>
        <translation>--paper には a4、a3、a2、a1、a0、letter、tabloid、ledger のいずれかを指定します。%1 は使えません</translation>
    </message>
    <message>
        <source>--tile takes COLUMNSxROWS, each from 1 to %1, such as 3x4, not %2</source>
        <translation>--tile には 列数x行数 (それぞれ 1〜%1、3x4 など) を指定します。%2 は使えません</translation>
    </message>
    <message>
        <source>--tile prints one maze across several sheets; leave out --per-page</source>
        <translation>--tile は 1 つの迷路を複数の用紙に印刷します。--per-page を外してください</translation>
    </message>
    <message>
        <source>With --animate: build (the maze being built), search (a search finding its way) or route (the route drawn cell by cell, as the window&apos;s replay); route unless given.</source>
        <translation>--animate と共に: build(迷路ができていく様子)、search(探索が道を見つける様子)、route(ウィンドウのリプレイのように1マスずつ描かれる道順)。指定がなければ route。</translation>
    </message>
    <message>
        <source>what</source>
        <translation>対象</translation>
    </message>
    <message>
        <source>way</source>
        <translation>方法</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ミリ秒</translation>
    </message>
    <message>
        <source>--%1 does not go with --animate</source>
        <translation>--%1 は --animate と一緒に使えません</translation>
    </message>
    <message>
        <source>a maze code names its own size; leave out --size</source>
        <translation>迷路コードは自身の大きさを含みます。--size を外してください</translation>
    </message>
    <message>
        <source>--animate-what takes build, search or route, not %1</source>
        <translation>--animate-what には build、search、route のいずれかを指定します(%1 ではありません)</translation>
    </message>
    <message>
        <source>--search goes with --animate-what search</source>
        <translation>--search は --animate-what search と一緒に使います</translation>
    </message>
    <message>
        <source>--search takes depth-first, breadth-first, a-star, left-hand or dead-end-filling, not %1</source>
        <translation>--search には depth-first、breadth-first、a-star、left-hand、dead-end-filling のいずれかを指定します(%1 ではありません)</translation>
    </message>
    <message>
        <source>--pace takes a whole number from 1 to 1000, not %1</source>
        <translation>--pace には 1 から 1000 の整数を指定します(%1 ではありません)</translation>
    </message>
    <message>
        <source>--%1 goes with --animate</source>
        <translation>--%1 は --animate と一緒に使います</translation>
    </message>
    <message>
        <source>Watch the maze shown being built: its regions growing in their colours, then linked.</source>
        <translation>表示中の迷路ができていく様子を見る: 色分けされた領域が育ち、つながっていきます。</translation>
    </message>
    <message>
        <source>Watch the search find its way (the search chosen under Watch, Search With), with every way&apos;s count of cells visited beside it.</source>
        <translation>探索が道を見つける様子を見る(「見る」→「探索の方法」で選んだ探索)。横に各方法の訪れたマス数を並べます。</translation>
    </message>
    <message>
        <source>While watching: slower or faster, from a step a second to a step a millisecond; 50 ms a step unless changed.</source>
        <translation>見ている間: 遅く/速く。1秒に1手から1ミリ秒に1手まで。変えなければ1手 50 ミリ秒。</translation>
    </message>
    <message>
        <source>While watching: pause or go on; one step at a time.</source>
        <translation>見ている間: 一時停止/再開。1手ずつ進める。</translation>
    </message>
    <message>
        <source>While watching: jump to the end.</source>
        <translation>見ている間: 最後まで飛ばす。</translation>
    </message>
    <message>
        <source>While playing: show and say the next step of the shortest route from the marker, for a moment; the result at G counts the hints taken.</source>
        <translation>プレイ中: マーカーから最短経路の次の一歩を少しの間表示して読み上げます。G での結果にヒントの回数が入ります。</translation>
    </message>
    <message>
        <source>--animate shows one maze; --maze names %1</source>
        <translation>--animate で扱える迷路は一つです。--maze には %1 個あります</translation>
    </message>
    <message>
        <source>With --export or --facts: mazes of this level, 1 to 5, each built its level&apos;s way with its route laid first, and drawn until both its route&apos;s length and the decisions on it lie within 10 % of the level&apos;s targets, so that a class set is fair:</source>
        <translation>--export または --facts と共に: このレベル (1〜5) の迷路を作ります。レベルごとの作り方で道順を先に敷き、道順の長さと道順上の分かれ道の数がどちらもレベルの目標の 10 % 以内になるまで作り直すので、クラス全員分が公平になります:</translation>
    </message>
    <message>
        <source>
%1 = %2, %3x%4, %5, route %6, %7 decisions</source>
        <translation>
%1 = %2、%3x%4、%5、道順 %6、分岐 %7</translation>
    </message>
    <message>
        <source>Build new mazes this way (regions unless given):</source>
        <translation>新しい迷路をこの方法で作ります (指定しなければ regions):</translation>
    </message>
    <message>
        <source>Loops: open this share of the dead ends, 0 to 100 percent, so that there is more than one way.</source>
        <translation>ループ: 行き止まりのこの割合 (0〜100 パーセント) を開き、道が 1 つだけではないようにします。</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>パーセント</translation>
    </message>
    <message>
        <source>N|P%</source>
        <translation>N|P%</translation>
    </message>
    <message>
        <source>Print the maze&apos;s facts: its route and its share of the cells, the decisions and turns on it, the dead ends, the false branches. With --export, for every maze written; otherwise for the --maze code, or a new maze, without a window.</source>
        <translation>迷路のデータを表示します: 道順とそのマス全体に占める割合、道順上の分かれ道と曲がり角、行き止まり、わき道。--export と共に使うと書き出したすべての迷路について、そうでなければ --maze のコードの迷路か新しい迷路について、ウィンドウを開かずに表示します。</translation>
    </message>
    <message>
        <source>a maze code names how its maze is built; leave out --algorithm, --braid and --route</source>
        <translation>迷路コードは迷路の作り方を含んでいます。--algorithm、--braid、--route を外してください</translation>
    </message>
    <message>
        <source>a level has its own way to build and its own route; leave out --algorithm, --braid and --route</source>
        <translation>レベルには決まった作り方と道順があります。--algorithm、--braid、--route を外してください</translation>
    </message>
    <message>
        <source>--route and --braid do not go together: loops would shorten the route</source>
        <translation>--route と --braid は一緒に使えません。ループで道順が短くなります</translation>
    </message>
    <message>
        <source>--algorithm takes one of %1, not %2</source>
        <translation>--algorithm には %1 のいずれかを指定します。%2 は使えません</translation>
    </message>
    <message>
        <source>--braid takes a whole number from 0 to %1, not %2</source>
        <translation>--braid には 0〜%1 の整数を指定します。%2 は使えません</translation>
    </message>
    <message>
        <source>--route takes a number of cells or a share of them such as 40%, not %1</source>
        <translation>--route にはマス数か、40% のような割合を指定します。%1 は使えません</translation>
    </message>
    <message>
        <source>--route %1: the route of a %2x%3 maze can be %4 to %5 cells (%6 % to %7 % of them)</source>
        <translation>--route %1: %2x%3 の迷路の道順は %4〜%5 マス (マス全体の %6 %〜%7 %) です</translation>
    </message>
    <message>
        <source>file.png</source>
        <translation>ファイル.png</translation>
    </message>
    <message>
        <source>word</source>
        <translation>単語</translation>
    </message>
    <message>
        <source>--shape, --mask and --text each give the shape; choose one</source>
        <translation>--shape、--mask、--text はどれも形を決めます。一つだけ指定してください</translation>
    </message>
    <message>
        <source>a maze code names its own shape; leave out --shape, --mask and --text</source>
        <translation>迷路コードは形を含んでいます。--shape、--mask、--text は指定しないでください</translation>
    </message>
    <message>
        <source>--text takes a word of 1 to 40 letters A to Z, not %1</source>
        <translation>--text には A〜Z の 1〜40 文字の単語を指定してください(%1 ではなく)</translation>
    </message>
    <message>
        <source>--size for this shape takes a whole number from %1 to %2, or WxH, not %3</source>
        <translation>この形の --size には %1〜%2 の整数か WxH を指定してください(%3 ではなく)</translation>
    </message>
    <message>
        <source>--size for this shape takes a whole number from %1 to %2, not %3</source>
        <translation>この形の --size には %1〜%2 の整数を指定してください(%3 ではなく)</translation>
    </message>
    <message>
        <source>Show the maze&apos;s facts: how it was built, its route, the decisions and turns on it, the dead ends and the false branches.</source>
        <translation>迷路のデータを表示します: 作り方、道順、道順上の分かれ道と曲がり角、行き止まり、わき道。</translation>
    </message>
    <message>
        <source>--%1 makes worksheets, whose mazes are named by their codes, and a picture&apos;s outline has none: leave it out with --mask</source>
        <translation>--%1 はワークシートを作り、その迷路はコードで名前が付きますが、画像の輪郭にはコードがありません。--mask では外してください</translation>
    </message>
    <message>
        <source>--hard chooses the way to build and the route itself; leave out --algorithm, --braid, --route, --level and --maze</source>
        <translation>--hard は作り方と道筋を自分で決めます。--algorithm、--braid、--route、--level、--maze は外してください</translation>
    </message>
    <message>
        <source>--facts with --mask: write the maze with --export --facts, since a picture&apos;s outline has no code to build it again</source>
        <translation>--facts と --mask：画像の輪郭には作り直すためのコードがないので、--export --facts で迷路を書き出してください</translation>
    </message>
    <message>
        <source>Write an animation of a maze to this file and exit, without opening a window: .gif or .webp. With --maze that maze, otherwise a new one of --size, --shape, --text or --mask, built the --algorithm way.</source>
        <translation>迷路のアニメーションをこのファイルに書き出して終了します(ウィンドウは開きません): .gif または .webp。--maze があればその迷路、なければ --size、--shape、--text または --mask の新しい迷路を --algorithm の作り方で。</translation>
    </message>
    <message>
        <source>With --animate-what search: depth-first (unless given), breadth-first, a-star, left-hand or dead-end-filling (dfs, bfs and astar for short).</source>
        <translation>--animate-what search と共に: depth-first(指定がない場合)、breadth-first、a-star、left-hand、dead-end-filling(短く dfs、bfs、astar とも)。</translation>
    </message>
    <message>
        <source>Save the game played, or the route&apos;s replay, as an animated GIF or WebP.</source>
        <translation>遊んだゲーム、または道筋の再生を、アニメーション GIF か WebP に保存する。</translation>
    </message>
    <message>
        <source>While playing: move the marker one cell; on hexagons, triangles and circles to the open cell nearest the key&apos;s direction on the picture (on a hexagon Up goes north-east or north-west, on a circle Right goes clockwise at the top).</source>
        <translation>プレイ中: マーカーを 1 マス動かします。六角形・三角形・円の迷路では、絵の上でキーの向きにいちばん近い開いたマスへ進みます (六角形では上キーで北東か北西、円では上のほうで右キーが時計回り)。</translation>
    </message>
    <message>
        <source>
circle: %1 rings; routes %2; decisions %3</source>
        <translation>
円: リング %1、道順 %2、分岐 %3</translation>
    </message>
    <message>
        <source>
hexagon: %1 cells a side; routes %2; decisions %3</source>
        <translation>
六角形: 一辺 %1 マス、道順 %2、分岐 %3</translation>
    </message>
    <message>
        <source>
triangle: %1 cells a side; routes %2; decisions %3</source>
        <translation>
三角形: 一辺 %1 マス、道順 %2、分岐 %3</translation>
    </message>
    <message>
        <source>
With --text its letters are as tall as give about as many cells, and the decisions are the median of 101 of that word&apos;s mazes. Not with --mask.</source>
        <translation>
--text では、文字の高さをほぼ同じマス数になるように選び、分岐の目標はその単語の迷路 101 個の中央値です。--mask とは使えません。</translation>
    </message>
    <message>
        <source>With --export or --facts: lay the route first, N cells long or P% of the cells, from the least possible up to 80 % of the cells; every maze&apos;s route is within 2 % of the cells of it. Not with --braid: loops would shorten it, nor with --mask.</source>
        <translation>--export または --facts と共に: 道順を先に敷きます。長さは N マス、またはマス全体の P% で、最短からマスの 80 % までです。どの迷路の道順もマス数の 2 % 以内でその長さになります。--braid とは使えません (ループで道順が短くなるため)。--mask とも使えません。</translation>
    </message>
    <message>
        <source>With --export or --facts: hard mazes, for a puzzle fan or a poster: the backtracker&apos;s long winding corridors, the route laid first through half the cells. Instead of --algorithm, --braid, --route and --level; not with --mask.</source>
        <translation>--export か --facts と使います。迷路好きやポスター向けの難しい迷路：バックトラッカーの長く曲がりくねった通路に、マスの半分を通る道筋を先に敷きます。--algorithm、--braid、--route、--level の代わりに使います。--mask とは使えません。</translation>
    </message>
    <message>
        <source>--%1 draws its maze among many, each named by its code, and a picture&apos;s outline has none: leave it out with --mask</source>
        <translation>--%1 は多くの迷路からコードで名前の付いたものを選びますが、絵の輪郭にはコードがありません。--mask では外してください</translation>
    </message>
    <message>
        <source>--route %1: the route of this maze of %2 cells can be %3 to %4 cells (%5 % to %6 % of them)</source>
        <translation>--route %1: この %2 マスの迷路の道順は %3〜%4 マス (マス全体の %5 %〜%6 %) です</translation>
    </message>
    <message>
        <source>With --export: a maze inside the letters of this word (A to Z, in any case, full-width too) in a bold font; --size gives their height in cells, 5 to 200 (15 unless given).</source>
        <translation>--export と共に: この単語(A〜Z。大文字でも小文字でも、全角でも可)を太字で書いた文字の中に迷路を作ります。--size は文字の高さのセル数で 5〜200(省略時 15)。</translation>
    </message>
    <message>
        <source>With --export: a maze inside the outline of this picture&apos;s dark pixels (at most 33.5 million of them); --size gives the cells across, 5 to 200 (40 unless given). Such a maze has no code, so it is one maze to a file.</source>
        <translation>--export と共に: この画像の暗いピクセルの輪郭の中に迷路を作ります(画像は最大 3350 万ピクセル)。--size は横のセル数で 5〜200(省略時 40)。このような迷路にはコードがないので、1 ファイルに 1 つの迷路です。</translation>
    </message>
    <message>
        <source>With --maze: read codes with a size as the first release did, whose weaker check its printed codes need (a code of this version still reads as ever).</source>
        <translation>--maze と共に: 大きさ付きのコードを最初の版と同じように読みます。最初の版が印刷したコードはその弱い検査でしか読めません(この版のコードはこれまでどおり読めます)。</translation>
    </message>
    <message>
        <source>%1 is not a maze code of this version: %2; it may come from the first release: add --old-code to open it as that release did</source>
        <translation>%1 はこの版の迷路コードではありません: %2。最初の版のコードかもしれません。--old-code を付けると最初の版と同じように開きます</translation>
    </message>
    <message>
        <source>--old-code reads the codes of --maze; give it with them</source>
        <translation>--old-code は --maze のコードを読むためのものです。--maze と一緒に指定してください</translation>
    </message>
    <message>
        <source>With --animate: milliseconds a step, 1 to 1000; 50 unless given. Frames last 20 ms to a second and are at most 2000, so a fast pace or a big maze plays several steps a frame.</source>
        <translation>--animate と共に: 1手あたりのミリ秒、1〜1000。指定がなければ 50。フレームは 20 ms から 1 秒まで、最大 2000 枚なので、速いペースや大きな迷路では1フレームに数手が入ります。</translation>
    </message>
    <message>
        <source>With --animate: the longest the animation lasts, in seconds, 10 to 1800; 60 unless given. A maze whose steps at the pace would take longer is played faster, several steps a frame, frames lasting at most a second.</source>
        <translation>--animate と共に: アニメーションの最長の長さ(秒)、10〜1800。指定がなければ 60。そのペースでこれより長くかかる迷路は速く再生し、1フレームに数手を入れます。フレームは最長 1 秒です。</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>--duration takes a whole number of seconds from %1 to %2, not %3</source>
        <translation>--duration には %1 から %2 までの秒数を整数で指定します。%3 ではありません</translation>
    </message>
    <message>
        <source>
With --shape circle, hexagon or triangle a level keeps its way and its route&apos;s share of the cells on the size with about as many cells as its rectangle; the decisions are what mazes of that shape and route have (the median of 400). The rectangles of hexagons and triangles take the cells across and down whose picture is nearest a square:</source>
        <translation>
--shape circle、hexagon、triangle では、レベルは作り方と道順がマス全体に占める割合をそのままに、その長方形とほぼ同じマス数の大きさになります。分岐の目標は、その形とその道順の迷路が持つ数です (400 個の中央値)。六角形と三角形の長方形は、絵が正方形に最も近くなる横と縦のマス数になります:</translation>
    </message>
    <message>
        <source>
%1: %2; routes %3; decisions %4</source>
        <translation>
%1: %2、道順 %3、分岐 %4</translation>
    </message>
    <message>
        <source>With --export: the maze&apos;s shape, rectangle, circle, hexagon or triangle. --size then gives a circle&apos;s rings (2 to 1000), or the cells along each side of a hexagon (2 to 600) or a triangle (2 to 1001); WxH fills a rectangle with hexagons or triangles, as hexagon-rectangle and triangle-rectangle do (12x10 and 16x8 unless given). With a PDF, shapes go on worksheets (--count, --per-page, --copies, --title, answer keys) and posters (--tile) too, at --level, --route or --hard as well.</source>
        <translation>--export と共に: 迷路の形。rectangle(長方形)、circle(円)、hexagon(六角形)、triangle(三角形)のいずれか。--size は円ならリングの数(2〜1000)、六角形なら一辺のセル数(2〜600)、三角形なら一辺のセル数(2〜1001)。WxH と書くと六角形または三角形のセルで長方形を埋めます。hexagon-rectangle と triangle-rectangle も同じです(指定がなければ 12x10 と 16x8)。PDF ならワークシート(--count、--per-page、--copies、--title、解答)やポスター(--tile)にもなり、--level、--route、--hard も使えます。</translation>
    </message>
    <message>
        <source>--shape takes rectangle, circle, hexagon, triangle, hexagon-rectangle or triangle-rectangle, not %1</source>
        <translation>--shape には rectangle、circle、hexagon、triangle、hexagon-rectangle、triangle-rectangle のいずれかを指定してください(%1 ではなく)</translation>
    </message>
    <message>
        <source>--export names the file to write; give it</source>
        <translation>--export で書き出すファイルを指定してください</translation>
    </message>
    <message>
        <source>Worksheets: class sets, puzzle books and posters as a PDF, with a preview, saved or printed.</source>
        <translation>ワークシート: クラス用のセット、迷路の本、ポスターをPDFに。プレビューを見て保存または印刷します。</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Tolvane: %1 pages of mazes</source>
        <translation>Tolvane: 迷路 %1 ページ</translation>
    </message>
    <message>
        <source>Maze, solution</source>
        <translation>迷路 (答え)</translation>
    </message>
    <message>
        <source>Maze</source>
        <translation>迷路</translation>
    </message>
    <message>
        <source>Maze %1, solution</source>
        <translation>迷路 %1 (答え)</translation>
    </message>
    <message>
        <source>Maze %1</source>
        <translation>迷路 %1</translation>
    </message>
    <message>
        <source>%1: unknown file type; the name must end in .png, .svg or .pdf</source>
        <translation>%1: 不明なファイル形式です。名前は .png、.svg、.pdf のいずれかで終わる必要があります</translation>
    </message>
    <message>
        <source>%1: a PNG or SVG file holds exactly one maze</source>
        <translation>%1: PNG や SVG のファイルには迷路を 1 つだけ入れられます</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>絵を描けませんでした</translation>
    </message>
    <message>
        <source>another program has it open; close it there and save again (the old one stays as it was)</source>
        <translation>ほかのプログラムが開いています。そちらで閉じてから、もう一度保存してください(元のファイルはそのままです)</translation>
    </message>
    <message>
        <source>its folder takes no new file, which writing it safely needs (the old one stays as it was)</source>
        <translation>フォルダーに新しいファイルを作れないため、安全に書き込めません(元のファイルはそのままです)</translation>
    </message>
    <message>
        <source>--count needs a PDF file: a PNG or SVG file holds one maze</source>
        <translation>--count には PDF ファイルが必要です。PNG や SVG には迷路が 1 つしか入りません</translation>
    </message>
    <message>
        <source>--png-cell needs a PNG file</source>
        <translation>--png-cell には PNG ファイルが必要です</translation>
    </message>
    <message>
        <source>the title is too long for one line across the page: %1 of its %2 characters fit; shorten it</source>
        <translation>題名がページの幅の 1 行に収まりません (%2 文字のうち %1 文字まで入ります)。短くしてください</translation>
    </message>
    <message>
        <source>%1x%2 mazes do not fit %3 to a page; at most %4 cells a side do, or fewer to a page</source>
        <translation>%1x%2 の迷路は 1 ページに %3 つ入りません。入るのは 1 辺 %4 マスまでです。1 ページの数を減らしてください</translation>
    </message>
    <message>
        <source>several codes need a PDF file: a PNG or SVG file holds one maze</source>
        <translation>複数のコードには PDF ファイルが必要です。PNG や SVG には迷路が 1 つしか入りません</translation>
    </message>
    <message>
        <source>--per-page, --title, --name-line, --no-name-line, --copies, --paper and --tile need a PDF file</source>
        <translation>--per-page、--title、--name-line、--no-name-line、--copies、--paper、--tile には PDF ファイルが必要です</translation>
    </message>
    <message>
        <source>a PNG of %1x%2 cells at %3 pixels a cell would have %4 million pixels; at most %5 million fit: choose a smaller --png-cell, or a PDF or SVG</source>
        <translation>%1x%2 マスを 1 マス %3 ピクセルで描く PNG は %4 百万ピクセルになります。上限は %5 百万ピクセルです。小さな --png-cell か、PDF または SVG を選んでください</translation>
    </message>
    <message>
        <source>level %1 mazes %2 to a page would have cells of %3 mm, narrower than the %4 mm that level keeps; choose --per-page %5 or fewer</source>
        <translation>レベル %1 の迷路を 1 ページに %2 つ載せるとマスの幅が %3 mm になり、このレベルで保つ %4 mm より狭くなります。--per-page %5 以下を選んでください</translation>
    </message>
    <message>
        <source>that would take %1 sheets of paper; at most %2 go in one PDF</source>
        <translation>用紙が %1 枚必要になります。1 つの PDF に入るのは %2 枚までです</translation>
    </message>
    <message>
        <source>no maze with the route asked for was found in %1 tries; ask for another route</source>
        <translation>指定された道順の迷路が %1 回の試行で見つかりませんでした。別の道順を指定してください</translation>
    </message>
    <message>
        <source>Maze %1: %2 x %3 cells, %4
</source>
        <translation>迷路 %1: %2 x %3 マス、%4
</translation>
    </message>
    <message>
        <source>%1 has no dark pixels to make an outline of</source>
        <translation>%1 には輪郭にできる暗いピクセルがありません</translation>
    </message>
    <message>
        <source>the font has no letters for %1</source>
        <translation>フォントに %1 の文字がありません</translation>
    </message>
    <message>
        <source>the outline holds fewer than two cells; give a bigger --size</source>
        <translation>輪郭の中のセルが 2 つ未満です。もっと大きな --size を指定してください</translation>
    </message>
    <message>
        <source>S at the centre, G on the rim</source>
        <translation>S は中心、G は外周</translation>
    </message>
    <message>
        <source>S at the top, G at the bottom right</source>
        <translation>S は頂点、G は右下</translation>
    </message>
    <message>
        <source>S at the top left, G at the bottom right</source>
        <translation>S は左上、G は右下</translation>
    </message>
    <message>
        <source>Maze in a picture&apos;s outline (a picture has no code)</source>
        <translation>画像の輪郭の迷路(画像にはコードがありません)</translation>
    </message>
    <message>
        <source>%1, solution; %2</source>
        <translation>%1、解答付き。%2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>Maze %1: %2 cells, %3
</source>
        <translation>迷路 %1: %2 マス、%3
</translation>
    </message>
    <message>
        <source>%1 has %2 cells even with letters %3 cells tall, and level %4 has about %5: choose a shorter word or a higher level</source>
        <translation>%1 は文字の高さ %3 マスでも %2 マスあり、レベル %4 はおよそ %5 マスです。短い単語か上のレベルを選んでください</translation>
    </message>
    <message>
        <source>a PNG of this maze at %1 pixels a cell would have %2 million pixels; at most %3 million fit, at %4 pixels a cell: choose a smaller --png-cell, or a PDF or SVG</source>
        <translation>1 マス %1 ピクセルではこの迷路の PNG は %2 百万ピクセルになります。上限は %3 百万ピクセルで、1 マス %4 ピクセルまでです。小さな --png-cell か、PDF または SVG を選んでください</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture</source>
        <translation>%1 はフォルダーで、画像ではありません</translation>
    </message>
    <message>
        <source>there is no picture %1</source>
        <translation>画像 %1 がありません</translation>
    </message>
    <message>
        <source>cannot open the picture %1: %2</source>
        <translation>画像 %1 を開けません: %2</translation>
    </message>
    <message>
        <source>the picture %1 is damaged or cut off</source>
        <translation>画像 %1 は壊れているか、途中で切れています</translation>
    </message>
    <message>
        <source>%1 is not a picture the program can read, such as a PNG</source>
        <translation>%1 はこのプログラムが読める画像(PNG など)ではありません</translation>
    </message>
    <message>
        <source>the picture %1 has %2 x %3 pixels; a picture for --mask may have at most %4 million</source>
        <translation>画像 %1 は %2 x %3 ピクセルです。--mask の画像は最大 %4 百万ピクセルまでです</translation>
    </message>
    <message>
        <source>a bigger paper (--paper %1)</source>
        <translation>大きい用紙(--paper %1)</translation>
    </message>
    <message>
        <source>a word of at most %1 letters</source>
        <translation>%1 文字以内の単語</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <source>level %1 mazes would have cells of %2 mm even one to a page, narrower than the %3 mm that level keeps; choose %4</source>
        <translation>レベル %1 の迷路は 1 ページに 1 つでもマスの幅が %2 mm になり、このレベルで保つ %3 mm より狭くなります。%4 を選んでください</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between alternatives</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>too little of %1 is dark: at %2 cells across, fewer than two joined cells are half dark; give a bigger --size, up to %3</source>
        <translation>%1 は暗い部分が少なすぎます。横 %2 マスでは、半分以上暗いつながったマスが 2 つに足りません。--size を大きくしてください(%3 まで)</translation>
    </message>
    <message>
        <source>too little of %1 is dark: even at %2 cells across, fewer than two joined cells are half dark</source>
        <translation>%1 は暗い部分が少なすぎます。横 %2 マスでも、半分以上暗いつながったマスが 2 つに足りません</translation>
    </message>
    <message>
        <source>S and G at the ends of the longest way, S the left one</source>
        <translation>S と G は最も長い道の両端(S が左)</translation>
    </message>
</context>
<context>
    <name>Facts</name>
    <message>
        <source>%1, route laid first</source>
        <translation>%1、道順を先に敷く</translation>
    </message>
    <message>
        <source>%1, %2 % of the dead ends opened into loops</source>
        <translation>%1、行き止まりの %2 % を開いてループに</translation>
    </message>
    <message>
        <source>Route: %1 cells, %2 % of the maze</source>
        <translation>道順: %1 マス、迷路の %2 %</translation>
    </message>
    <message>
        <source>Decisions on the route: %1</source>
        <translation>道順上の分かれ道: %1</translation>
    </message>
    <message>
        <source>Turns on the route: %1</source>
        <translation>道順上の曲がり角: %1</translation>
    </message>
    <message>
        <source>Dead ends: %1, %2 % of the cells</source>
        <translation>行き止まり: %1、マスの %2 %</translation>
    </message>
    <message>
        <source>False branches: %1, the longest %2 cells deep, %3 on average</source>
        <translation>わき道: %1、最も深いもので %2 マス、平均 %3</translation>
    </message>
    <message>
        <source>Longest path: %1 cells</source>
        <translation>最長の通路: %1 マス</translation>
    </message>
    <message>
        <source>route %1 cells (%2 %) · %3 decisions</source>
        <translation>道順 %1 マス (%2 %) · 分かれ道 %3</translation>
    </message>
    <message>
        <source> · %1 turns</source>
        <translation> · 曲がり角 %1</translation>
    </message>
    <message>
        <source> · longest false branch %1</source>
        <translation> · 最長のわき道 %1</translation>
    </message>
    <message>
        <source>Rectangle, %1 × %2</source>
        <translation>長方形、%1 × %2</translation>
    </message>
    <message>
        <source>Circle, %1 rings</source>
        <translation>円、%1 周</translation>
    </message>
    <message>
        <source>Hexagon, %1 cells a side</source>
        <translation>六角形、一辺 %1 マス</translation>
    </message>
    <message>
        <source>Hexagons in a rectangle, %1 × %2</source>
        <translation>長方形に並べた六角形、%1 × %2</translation>
    </message>
    <message>
        <source>Triangle, %1 cells a side</source>
        <translation>三角形、一辺 %1 マス</translation>
    </message>
    <message>
        <source>Triangles in a rectangle, %1 × %2</source>
        <translation>長方形に並べた三角形、%1 × %2</translation>
    </message>
    <message>
        <source>Outline of a picture</source>
        <translation>画像の輪郭</translation>
    </message>
    <message>
        <source>Outline of the word %1</source>
        <translation>単語 %1 の輪郭</translation>
    </message>
</context>
<context>
    <name>FactsBox</name>
    <message>
        <source>Maze %1: %2 x %3 cells</source>
        <translation>迷路 %1: %2 x %3 マス</translation>
    </message>
    <message>
        <source>Facts of the Maze</source>
        <translation>迷路のデータ</translation>
    </message>
    <message>
        <source>Maze %1: %2, %3 cells</source>
        <translation>迷路 %1: %2、%3 マス</translation>
    </message>
    <message>
        <source>(a picture&apos;s outline has no code)</source>
        <translation>(画像の輪郭にはコードがありません)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Run-time error in %1:
%2</source>
        <translation>%1 で実行時エラーが起きました:
%2</translation>
    </message>
    <message>
        <source>Tolvane: run-time error in %1: %2</source>
        <translation>Tolvane: %1 で実行時エラー: %2</translation>
    </message>
    <message>
        <source>Tolvane: cannot repaint at device pixel ratio %1: %2</source>
        <translation>Tolvane: デバイスピクセル比 %1 で再描画できません: %2</translation>
    </message>
    <message>
        <source>&amp;Leave the Game</source>
        <translation>ゲームをやめる(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Keep Playing</source>
        <translation>続ける(&amp;K)</translation>
    </message>
    <message>
        <source>A game is in progress (moves so far: %1). Leave it for a new maze?</source>
        <translation>ゲームの途中です(ここまで%1手)。やめて新しい迷路にしますか?</translation>
    </message>
    <message>
        <source>&amp;Facts of the Maze…</source>
        <translation>迷路のデータ(&amp;F)…</translation>
    </message>
    <message>
        <source>Outline of a Word</source>
        <translation>単語の輪郭</translation>
    </message>
    <message>
        <source>The word, 1 to %1 letters A to Z:</source>
        <translation>単語 (A〜Z の 1〜%1 文字):</translation>
    </message>
    <message>
        <source>An outline takes a word of 1 to %1 letters A to Z, not %2.</source>
        <translation>輪郭には A〜Z の 1〜%1 文字の単語を指定します。%2 は使えません。</translation>
    </message>
</context>
<context>
    <name>MazeMenu</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG 画像 (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文書 (*.pdf)</translation>
    </message>
    <message>
        <source>Include the solution (the whole route)</source>
        <translation>答え (道順全体) を入れる</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy Maze C&amp;ode</source>
        <translation>迷路コードをコピー(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>Save Maze</source>
        <translation>迷路を保存</translation>
    </message>
    <message>
        <source>The maze could not be printed.</source>
        <translation>迷路を印刷できませんでした。</translation>
    </message>
    <message>
        <source>Open &amp;Maze Code…</source>
        <translation>迷路コードを開く(&amp;M)…</translation>
    </message>
    <message>
        <source>Save &amp;Animation…</source>
        <translation>アニメーションを保存(&amp;A)…</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>印刷プレビュー</translation>
    </message>
    <message>
        <source>&amp;Worksheets…</source>
        <translation>ワークシート(&amp;W)…</translation>
    </message>
</context>
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
    <message>
        <source>A maze of %1 by %2 cells, from S at the top left to G at the bottom right. Press %3 to draw the route.</source>
        <translation>%1×%2 マスの迷路です。左上の S から右下の G まで続いています。%3 を押すと道順を描きます。</translation>
    </message>
    <message>
        <source>A maze of %1 by %2 cells. No route from S to G was found.</source>
        <translation>%1×%2 マスの迷路です。S から G への道順は見つかりませんでした。</translation>
    </message>
    <message>
        <source>Maze code %1.</source>
        <translation>迷路コードは %1 です。</translation>
    </message>
    <message>
        <source>Maze code %1</source>
        <translation>迷路コード %1</translation>
    </message>
    <message>
        <source>Maze, G reached</source>
        <translation>迷路、Gに到着</translation>
    </message>
    <message>
        <source>Press %1 to draw the shortest route over your trail.</source>
        <translation>%1 を押すと、たどった跡の上に最短経路を描きます。</translation>
    </message>
    <message>
        <source>Playing a maze of %1 by %2 cells from S at the top left to G at the bottom right.</source>
        <translation>%1×%2マスの迷路をプレイ中。左上のSから右下のGへ。</translation>
    </message>
    <message>
        <source>New maze</source>
        <translation>制作</translation>
    </message>
    <message>
        <source>Solve the maze</source>
        <translation>迷路を解く</translation>
    </message>
    <message>
        <source>A maze in the shape %1, of %2 cells, %3. Press %4 to draw the route.</source>
        <translation>形が %1 で %2 マスの迷路です。%3。%4 を押すと道順を描きます。</translation>
    </message>
    <message>
        <source>Playing a maze in the shape %1, of %2 cells, %3.</source>
        <translation>形が %1 で %2 マスの迷路をプレイ中。%3。</translation>
    </message>
</context>
<context>
    <name>OpenCodeDialog</name>
    <message>
        <source>Open Maze Code</source>
        <translation>迷路コードを開く</translation>
    </message>
    <message>
        <source>Maze &amp;code:</source>
        <translation>迷路コード(&amp;C):</translation>
    </message>
    <message>
        <source>Check of the code</source>
        <translation>コードの確認</translation>
    </message>
    <message>
        <source>Opens the maze %1.</source>
        <translation>迷路 %1 を開きます。</translation>
    </message>
    <message>
        <source>A code has ten characters, like 3F7KQ-M2XWA.</source>
        <translation>コードは 3F7KQ-M2XWA のような 10 文字です。</translation>
    </message>
    <message>
        <source>Not a maze code yet: %1.</source>
        <translation>まだ迷路コードではありません: %1。</translation>
    </message>
    <message>
        <source>The window shows mazes of up to %1x%1 cells; write this one to a file with tolvane --export.</source>
        <translation>ウィンドウに表示できる迷路は %1x%1 マスまでです。この迷路は tolvane --export でファイルに書き出してください。</translation>
    </message>
    <message>
        <source>Opens the maze %1: %2.</source>
        <translation>迷路 %1 を開きます: %2。</translation>
    </message>
    <message>
        <source>Open a Code of the First Release</source>
        <translation>最初の版のコードを開く</translation>
    </message>
    <message>
        <source>Open this code as the first release read it? Its weaker check let a code with a character dropped or added open another maze; open it only if it was printed by that release.</source>
        <translation>このコードを最初の版と同じように読んで開きますか? その弱い検査では、1 文字欠けたり増えたりしたコードが別の迷路を開くことがありました。最初の版で印刷されたコードのときだけ開いてください。</translation>
    </message>
    <message>
        <source>Not a code of this version, but the first release, whose check was weaker, wrote it for the maze %1. Open asks before opening it.</source>
        <translation>この版のコードではありませんが、検査の弱い最初の版が迷路 %1 のために書いたコードです。「開く」を押すと確認してから開きます。</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source> · S and G: the blue squares at the top left and bottom right</source>
        <translation> · S と G: 左上と右下の青い四角</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>P&amp;lay</source>
        <translation>プレイ(&amp;L)</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1と%2</translation>
    </message>
    <message>
        <source>Time %1
Moves %2</source>
        <translation>時間 %1
手数 %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Arrow keys or WASD move.
Esc leaves.</source>
        <translation>矢印キーかWASDで移動。
Escで終了。</translation>
    </message>
    <message>
        <source>dead end</source>
        <translation>行き止まり</translation>
    </message>
    <message>
        <source>corridor: %1 open</source>
        <translation>通路: %1が開いている</translation>
    </message>
    <message>
        <source>junction: %1 open</source>
        <translation>分かれ道: %1が開いている</translation>
    </message>
    <message>
        <source>back, %1</source>
        <translation>戻る、%1</translation>
    </message>
    <message>
        <source>wall: no way %1</source>
        <translation>壁: %1へは進めない</translation>
    </message>
    <message>
        <source>Playing from S: %1. Arrow keys move, I tells where you are, Escape leaves.</source>
        <translation>Sからプレイ開始: %1。矢印キーで移動、Iで現在地、Escapeで終了。</translation>
    </message>
    <message>
        <source>Row %1, column %2, %3 moves: %4</source>
        <translation>%1行目、%2列目、%3手: %4</translation>
    </message>
    <message>
        <source>G reached!

Time %1
Moves %2

Shortest route:
%3 moves</source>
        <translation>Gに到着!

時間 %1
手数 %2

最短経路:
%3手</translation>
    </message>
    <message>
        <source>You took the shortest route.</source>
        <translation>最短経路でした。</translation>
    </message>
    <message>
        <source>G reached in %1 moves, time %2: the shortest route.</source>
        <translation>%1手、%2でGに到着。最短経路でした。</translation>
    </message>
    <message>
        <source>
Hints: %1</source>
        <translation>
ヒント %1</translation>
    </message>
    <message>
        <source>Hints taken: %1.</source>
        <translation>ヒント %1 回。</translation>
    </message>
    <message>
        <source>hint: %1</source>
        <translation>ヒント: %1</translation>
    </message>
    <message>
        <source>no hint here</source>
        <translation>ここではヒントはありません</translation>
    </message>
    <message>
        <source>G reached in %1 moves, time %2. The shortest route takes %3 moves.</source>
        <translation>%1手、%2でGに到着。最短経路は%3手。</translation>
    </message>
    <message>
        <source>%1 o&apos;clock</source>
        <translation>%1時の方向</translation>
    </message>
    <message>
        <source>clockwise</source>
        <translation>時計回り</translation>
    </message>
    <message>
        <source>anticlockwise</source>
        <translation>反時計回り</translation>
    </message>
    <message>
        <source>outward</source>
        <translation>外側</translation>
    </message>
    <message>
        <source>inward</source>
        <translation>内側</translation>
    </message>
    <message>
        <source>north</source>
        <translation>北</translation>
    </message>
    <message>
        <source>north-east</source>
        <translation>北東</translation>
    </message>
    <message>
        <source>east</source>
        <translation>東</translation>
    </message>
    <message>
        <source>south-east</source>
        <translation>南東</translation>
    </message>
    <message>
        <source>south</source>
        <translation>南</translation>
    </message>
    <message>
        <source>south-west</source>
        <translation>南西</translation>
    </message>
    <message>
        <source>west</source>
        <translation>西</translation>
    </message>
    <message>
        <source>north-west</source>
        <translation>北西</translation>
    </message>
    <message>
        <source>%1 ways %2</source>
        <translation>%2に %1 本</translation>
    </message>
    <message>
        <source>%1 % across, %2 % down, %3 moves: %4</source>
        <translation>左から %1 %、上から %2 %、%3手: %4</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>→キー</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>←キー</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>↓キー</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>↑キー</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1(%2)</translation>
    </message>
    <message>
        <source> or </source>
        <translation>または</translation>
    </message>
    <message>
        <source>The centre, ring 1 of %1, %2 moves: %3</source>
        <translation>中心(%1 周のうち 1 周目)、%2手: %3</translation>
    </message>
    <message>
        <source>Ring %1 of %2, cell %3 of %4 clockwise from twelve o&apos;clock (near %5), %6 moves: %7</source>
        <translation>%2 周のうち %1 周目、12 時から時計回りに %4 マスのうち %3 マス目(%5 付近)、%6手: %7</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>%1: %2 %, about %3 s left</source>
        <translation>%1: %2 %、残り約 %3 秒</translation>
    </message>
</context>
<context>
    <name>SaveAnimation</name>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>アニメーション GIF (*.gif)</translation>
    </message>
    <message>
        <source>Animated WebP (*.webp)</source>
        <translation>アニメーション WebP (*.webp)</translation>
    </message>
    <message>
        <source>Save Animation</source>
        <translation>アニメーションを保存</translation>
    </message>
    <message>
        <source>The animation could not be made: %1</source>
        <translation>アニメーションを作れませんでした: %1</translation>
    </message>
    <message>
        <source>Saving the animation…</source>
        <translation>アニメーションを保存しています…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ShapeMenu</name>
    <message>
        <source>S&amp;hape</source>
        <translation>形(&amp;H)</translation>
    </message>
    <message>
        <source>Rectangle (of the size chosen under Size)</source>
        <translation>長方形 (大きさは「大きさ」で選んだもの)</translation>
    </message>
    <message>
        <source>Outline of a &amp;Word…</source>
        <translation>単語の輪郭(&amp;W)…</translation>
    </message>
</context>
<context>
    <name>SizeMenu</name>
    <message>
        <source>Si&amp;ze</source>
        <translation>大きさ(&amp;Z)</translation>
    </message>
    <message>
        <source>%1 × %1</source>
        <translation>%1 × %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Tolvane needs a display, and none is set (DISPLAY and WAYLAND_DISPLAY are empty).</source>
        <translation>Tolvane にはディスプレイが必要ですが、設定されていません (DISPLAY も WAYLAND_DISPLAY も空です)。</translation>
    </message>
    <message>
        <source>Tolvane cannot reach the Wayland compositor &quot;%1&quot;.</source>
        <translation>Tolvane は Wayland コンポジター &quot;%1&quot; に接続できません。</translation>
    </message>
    <message>
        <source>Tolvane cannot open the display &quot;%1&quot; (platform %2).</source>
        <translation>Tolvane はディスプレイ &quot;%1&quot; を開けません (プラットフォーム %2)。</translation>
    </message>
    <message>
        <source>Tolvane cannot load the platform plugin &quot;%1&quot;; the plugins that exist are: %2.</source>
        <translation>Tolvane はプラットフォームプラグイン &quot;%1&quot; を読み込めません。使えるプラグイン: %2。</translation>
    </message>
    <message>
        <source>Choose one of them with --platform NAME or QT_QPA_PLATFORM, or leave both unset.</source>
        <translation>--platform 名前 か QT_QPA_PLATFORM でそのどれかを選ぶか、どちらも設定しないでください。</translation>
    </message>
    <message>
        <source>Start it from a desktop session, or without one as `xvfb-run -a %1`; `%1 --export FILE` needs no display.</source>
        <translation>デスクトップセッションから起動するか、セッションがなければ `xvfb-run -a %1` として起動してください。`%1 --export ファイル` にはディスプレイは要りません。</translation>
    </message>
    <message>
        <source>Run with --verbose to see the toolkit&apos;s own messages.</source>
        <translation>ツールキット自身のメッセージは --verbose を付けると表示されます。</translation>
    </message>
</context>
<context>
    <name>Tolvane</name>
    <message>
        <source>Tolvane: no installed font can show the button captions; install fonts-vlgothic (or fonts-noto-cjk).</source>
        <translation>Tolvane: ボタンの文字を表示できるフォントがインストールされていません。fonts-vlgothic（または fonts-noto-cjk）をインストールしてください。</translation>
    </message>
    <message>
        <source>Tolvane: no installed font can show the button captions; add the Japanese Supplemental Fonts (Settings, Apps, Optional features).</source>
        <translation>Tolvane: ボタンの文字を表示できるフォントがインストールされていません。日本語補助フォントを追加してください（設定、アプリ、オプション機能）。</translation>
    </message>
</context>
<context>
    <name>Watch</name>
    <message>
        <source>depth-first</source>
        <translation>深さ優先</translation>
    </message>
    <message>
        <source>breadth-first</source>
        <translation>幅優先</translation>
    </message>
    <message>
        <source>A*</source>
        <translation>A*</translation>
    </message>
    <message>
        <source>left hand</source>
        <translation>左手法</translation>
    </message>
    <message>
        <source>dead-end filling</source>
        <translation>行き止まり埋め</translation>
    </message>
    <message>
        <source>starting</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>linking regions</source>
        <translation>領域をつないでいます</translation>
    </message>
    <message>
        <source>growing regions</source>
        <translation>領域を育てています</translation>
    </message>
    <message>
        <source>backing up from a dead end</source>
        <translation>行き止まりから戻っています</translation>
    </message>
    <message>
        <source>drawing the route</source>
        <translation>道順を描いています</translation>
    </message>
    <message>
        <source>trying a way</source>
        <translation>道を試しています</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>見る(&amp;W)</translation>
    </message>
    <message>
        <source>Watch It Being &amp;Built</source>
        <translation>できていく様子を見る(&amp;B)</translation>
    </message>
    <message>
        <source>Watch the &amp;Search</source>
        <translation>探索を見る(&amp;S)</translation>
    </message>
    <message>
        <source>Search &amp;With</source>
        <translation>探索の方法(&amp;W)</translation>
    </message>
    <message>
        <source>S&amp;lower</source>
        <translation>遅く(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>速く(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>One S&amp;tep</source>
        <translation>1手進める(&amp;T)</translation>
    </message>
    <message>
        <source>Jump to the &amp;End</source>
        <translation>最後まで(&amp;E)</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>再生中</translation>
    </message>
    <message>
        <source>Cells visited:</source>
        <translation>訪れたマス:</translation>
    </message>
    <message>
        <source>The maze is built</source>
        <translation>迷路ができました</translation>
    </message>
    <message>
        <source>%1, step %2 of %3</source>
        <translation>%1、%3 手中 %2 手目</translation>
    </message>
    <message>
        <source>Route found, %1 cells; %2 cells visited</source>
        <translation>道順が見つかりました。%1 マス、訪れたマス %2</translation>
    </message>
    <message>
        <source>%1, %2 cells visited</source>
        <translation>%1、訪れたマス %2</translation>
    </message>
    <message>
        <source>taking cells in</source>
        <translation>マスを取り込んでいます</translation>
    </message>
    <message>
        <source>Route:</source>
        <translation>道順:</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 マス</translation>
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
<context>
    <name>WindowShape</name>
    <message>
        <source>The window shows mazes of up to %1 cells across; write this one to a file with tolvane --export.</source>
        <translation>ウィンドウに表示できる迷路は幅 %1 マスまでです。この迷路は tolvane --export でファイルに書き出してください。</translation>
    </message>
    <message>
        <source>No maze of this shape has that size.</source>
        <translation>この形にその大きさの迷路はありません。</translation>
    </message>
    <message>
        <source>The font has no letters for %1.</source>
        <translation>フォントに %1 の文字がありません。</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>route %1 cells · %2 dead ends · %3 junctions on the route</source>
        <translation>道順 %1 マス・行き止まり %2・道順上の分かれ道 %3</translation>
    </message>
    <message>
        <source>Level %1 · %2</source>
        <translation>レベル %1・%2</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>解答</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message>
        <source>%1.  Maze %2</source>
        <translation>%1.  迷路 %2</translation>
    </message>
    <message>
        <source>Page %1 of %2 · row %3 of %4, column %5 of %6 · sheet %7 of %8</source>
        <translation>%1 / %2 ページ · %3 / %4 行、%5 / %6 列 · 用紙 %7 / %8 枚目</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1。%2</translation>
    </message>
</context>
<context>
    <name>Worksheets</name>
    <message>
        <source>Class set, level 2, 4 a page</source>
        <translation>クラス用、レベル 2、1 ページに 4 問</translation>
    </message>
    <message>
        <source>Poster on 3 × 3 A4</source>
        <translation>A4 を 3 × 3 枚のポスター</translation>
    </message>
    <message>
        <source>Puzzle book, level 4, 2 a page, with answers</source>
        <translation>パズル集、レベル 4、1 ページに 2 問、解答付き</translation>
    </message>
    <message>
        <source>the sheets could not be made: %1</source>
        <translation>シートを作れませんでした: %1</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>印刷中…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Worksheets</source>
        <translation>ワークシート</translation>
    </message>
    <message>
        <source>Save as Preset…</source>
        <translation>プリセットとして保存…</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>プリセット:</translation>
    </message>
    <message>
        <source>None: a size and a way of my own</source>
        <translation>なし: 大きさと作り方を自分で選ぶ</translation>
    </message>
    <message>
        <source>Level %1 (adults, %2×%3)</source>
        <translation>レベル %1（大人、%2×%3）</translation>
    </message>
    <message>
        <source>Level %1 (ages %2, %3×%4)</source>
        <translation>レベル %1（%2 歳、%3×%4）</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>レベル(&amp;L):</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>長方形</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>円</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>六角形</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>三角形</translation>
    </message>
    <message>
        <source>Rectangle of hexagons</source>
        <translation>六角形のマスの長方形</translation>
    </message>
    <message>
        <source>Rectangle of triangles</source>
        <translation>三角形のマスの長方形</translation>
    </message>
    <message>
        <source>A word</source>
        <translation>単語</translation>
    </message>
    <message>
        <source>S&amp;hape:</source>
        <translation>形(&amp;H):</translation>
    </message>
    <message>
        <source>letters A to Z</source>
        <translation>A から Z の文字</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>単語(&amp;W):</translation>
    </message>
    <message>
        <source>the shape&apos;s usual size, such as 31x31</source>
        <translation>形のふつうの大きさ（例: 31x31）</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>大きさ(&amp;Z):</translation>
    </message>
    <message>
        <source>The usual way</source>
        <translation>ふつうの作り方</translation>
    </message>
    <message>
        <source>Way to &amp;build:</source>
        <translation>作り方(&amp;B):</translation>
    </message>
    <message>
        <source>Loops: this share of the dead ends opened, so that there is more than one way.</source>
        <translation>ループ: 行き止まりのこの割合を開き、道が一つではなくなるようにします。</translation>
    </message>
    <message>
        <source>L&amp;oops:</source>
        <translation>ループ(&amp;O):</translation>
    </message>
    <message>
        <source>cells, or a share such as 40%</source>
        <translation>マスの数、または 40% のような割合</translation>
    </message>
    <message>
        <source>&amp;Route:</source>
        <translation>道順(&amp;R):</translation>
    </message>
    <message>
        <source>Hard: long winding corridors, the route through half the cells</source>
        <translation>難しい: 長く曲がりくねった通路、道順はマスの半分を通る</translation>
    </message>
    <message>
        <source>&amp;Mazes:</source>
        <translation>迷路の数(&amp;M):</translation>
    </message>
    <message>
        <source>Mazes a &amp;page:</source>
        <translation>1 ページの迷路(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Copies:</source>
        <translation>部数(&amp;C):</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>タイトル(&amp;T):</translation>
    </message>
    <message>
        <source>On worksheets, not on posters</source>
        <translation>ワークシートには付け、ポスターには付けない</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>常に付ける</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>付けない</translation>
    </message>
    <message>
        <source>&amp;Name lines:</source>
        <translation>名前の欄(&amp;N):</translation>
    </message>
    <message>
        <source>Answer key at the end</source>
        <translation>最後に解答を付ける</translation>
    </message>
    <message>
        <source>P&amp;aper:</source>
        <translation>用紙(&amp;A):</translation>
    </message>
    <message>
        <source>sheets</source>
        <translation>枚</translation>
    </message>
    <message>
        <source>A poster across columns × rows sheets, with marks to join them by.</source>
        <translation>横 × 縦の枚数に分けたポスター。貼り合わせるための印が付きます。</translation>
    </message>
    <message>
        <source>Poster &amp;tiles:</source>
        <translation>ポスターの分割(&amp;T):</translation>
    </message>
    <message>
        <source>The mazes&apos; codes, in order: open one in the window, or print the set again.</source>
        <translation>迷路のコード（順番どおり）: ウィンドウで開くことも、同じセットをもう一度印刷することもできます。</translation>
    </message>
    <message>
        <source>The command line that prints these sheets again, for a colleague or a script.</source>
        <translation>このシートをもう一度印刷するコマンドライン。同僚やスクリプトに渡せます。</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>コピー(&amp;Y)</translation>
    </message>
    <message>
        <source>Maze codes:</source>
        <translation>迷路コード:</translation>
    </message>
    <message>
        <source>Command line:</source>
        <translation>コマンドライン:</translation>
    </message>
    <message>
        <source>&amp;Save as PDF…</source>
        <translation>PDF として保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>Nothing to print until this is changed.</source>
        <translation>これを直すまで印刷するものはありません。</translation>
    </message>
    <message>
        <source>Choosing the mazes…</source>
        <translation>迷路を選んでいます…</translation>
    </message>
    <message>
        <source>the preview could not be drawn: %1</source>
        <translation>プレビューを描けませんでした: %1</translation>
    </message>
    <message>
        <source>sheets of paper: %1</source>
        <translation>用紙: %1 枚</translation>
    </message>
    <message>
        <source>smallest printed cell %1 mm</source>
        <translation>印刷される最小のマス %1 mm</translation>
    </message>
    <message>
        <source>level %1 keeps cells of at least %2 mm: %3</source>
        <translation>レベル %1 のマスは %2 mm 以上: %3</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>守られています</translation>
    </message>
    <message>
        <source>not kept</source>
        <translation>守られていません</translation>
    </message>
    <message>
        <source>the preview shows the first %1; the PDF and the print have them all</source>
        <translation>プレビューは最初の %1 枚です。PDF と印刷にはすべて入ります</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>キャンセルしました。</translation>
    </message>
    <message>
        <source>worksheets</source>
        <translation>ワークシート</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF として保存</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文書 (*.pdf)</translation>
    </message>
    <message>
        <source>Writing %1…</source>
        <translation>%1 を書き込んでいます…</translation>
    </message>
    <message>
        <source>Saving was cancelled; nothing was written.</source>
        <translation>保存をキャンセルしました。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>The sheets were not saved: %1</source>
        <translation>シートは保存されませんでした: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 に保存しました。</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>The sheets could not be printed.</source>
        <translation>シートを印刷できませんでした。</translation>
    </message>
    <message>
        <source>Choose a preset…</source>
        <translation>プリセットを選ぶ…</translation>
    </message>
    <message>
        <source>Save as Preset</source>
        <translation>プリセットとして保存</translation>
    </message>
    <message>
        <source>A name for these choices:</source>
        <translation>この設定の名前:</translation>
    </message>
    <message>
        <source>Drawing the preview…</source>
        <translation>プレビューを描いています…</translation>
    </message>
    <message>
        <source>the preview has %1 so far</source>
        <translation>プレビューはここまで %1 枚</translation>
    </message>
</context>
</TS>
