<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ControlColumn</name>
    <message>
        <source>Network size N: N by N terminals on the top face, N by N by N switches</source>
        <translation>网络规模 N：顶面上有 N × N 个终端，内部有 N × N × N 个交换单元</translation>
    </message>
    <message>
        <source>N:</source>
        <translation>N:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The family of switches with %1</source>
        <translation>满足 %1 的交换单元所在的平面族</translation>
    </message>
    <message>
        <source>Highlight the switches with %1</source>
        <translation>高亮满足 %1 的交换单元</translation>
    </message>
    <message>
        <source>Draw the plane %1</source>
        <translation>绘制平面 %1</translation>
    </message>
    <message>
        <source>Draw the plane %1 solid instead of dotted</source>
        <translation>将平面 %1 绘制为不透明的实面，而不是点线</translation>
    </message>
    <message>
        <source>The offset %1 of the planes %2</source>
        <translation>平面 %2 的偏移 %1</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>路由</translation>
    </message>
    <message>
        <source>How a marked terminal&apos;s route is drawn: its own path or the whole wires it uses</source>
        <translation>已标记终端的路由如何绘制：只画它自己的路径，或画出它所用的整条导线</translation>
    </message>
    <message>
        <source>path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>wire</source>
        <translation>导线</translation>
    </message>
    <message>
        <source>Wires</source>
        <translation>导线</translation>
    </message>
    <message>
        <source>Which wires are drawn dashed: none, those every terminal&apos;s route uses, or all</source>
        <translation>哪些导线画成虚线：不画、各终端的路由所用的导线，或全部导线</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>used</source>
        <translation>已用</translation>
    </message>
    <message>
        <source>all</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>交换单元</translation>
    </message>
    <message>
        <source>How switches are drawn: filled, as frames, or only where highlighted</source>
        <translation>交换单元如何绘制：填充、线框，或只画高亮的交换单元</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>填充</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>线框</translation>
    </message>
    <message>
        <source>hilite</source>
        <translation>高亮</translation>
    </message>
    <message>
        <source>plane</source>
        <translation>平面</translation>
    </message>
    <message>
        <source>opaque</source>
        <translation>不透明</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>OpenGL here draws pictures of at most %1 × %1 pixels; a larger one can be exported for print or as SVG or PDF.</source>
        <translation>此处的 OpenGL 最多只能绘制 %1 × %1 像素的图片；更大的图片可以按打印用途导出，或导出为 SVG 或 PDF。</translation>
    </message>
    <message>
        <source>The picture could not be drawn off screen.</source>
        <translation>无法在屏幕外绘制图片。</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>&amp;Fit the model to the picture</source>
        <translation>使模型适应图片大小(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Caption: N, the offsets and the lesson&apos;s title</source>
        <translation>图注(&amp;C)：N、各偏移和课程标题</translation>
    </message>
    <message>
        <source>&amp;Legend: the marked routes, where each starts and ends</source>
        <translation>图例(&amp;L)：已标记的路由及其起点和终点</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>导出讲义</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>导出图片</translation>
    </message>
    <message>
        <source>PNG pictures in a folder, one per scene</source>
        <translation>文件夹中的 PNG 图片，每个场景一张</translation>
    </message>
    <message>
        <source>SVG drawings in a folder, one per scene</source>
        <translation>文件夹中的 SVG 矢量图，每个场景一幅</translation>
    </message>
    <message>
        <source>PDF handout, a page per scene with its title and notes</source>
        <translation>PDF 讲义，每个场景一页，附标题和备注</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG 图片</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>SVG 矢量图</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF 文档</translation>
    </message>
    <message>
        <source>As on screen (black)</source>
        <translation>与屏幕相同（黑色）</translation>
    </message>
    <message>
        <source>For print (white)</source>
        <translation>用于打印（白色）</translation>
    </message>
    <message>
        <source>Off: exactly what the window shows</source>
        <translation>不勾选时：完全按窗口显示的内容导出</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>默认(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>导出(&amp;E)...</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>格式(&amp;O)：</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>尺寸(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>背景(&amp;B)：</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> 毫米</translation>
    </message>
    <message>
        <source> px</source>
        <translation> 像素</translation>
    </message>
    <message>
        <source>The page; default: A4 portrait</source>
        <translation>页面大小；默认：A4 纵向</translation>
    </message>
    <message>
        <source>Default: A5 landscape</source>
        <translation>默认：A5 横向</translation>
    </message>
    <message>
        <source>Default: the view, %1 × %2 pixels</source>
        <translation>默认：与视图相同，%1 × %2 像素</translation>
    </message>
</context>
<context>
    <name>FigureExport</name>
    <message>
        <source>&amp;Export Image...</source>
        <translation>导出图片(&amp;E)...</translation>
    </message>
    <message>
        <source>Export &amp;Handout...</source>
        <translation>导出讲义(&amp;H)...</translation>
    </message>
    <message>
        <source>Every scene of the lesson: a PDF of a page each, or a folder of pictures</source>
        <translation>课程的所有场景：每个场景一页的 PDF，或一个图片文件夹</translation>
    </message>
    <message>
        <source>&amp;Copy Image</source>
        <translation>复制图片(&amp;C)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;Other pictures (*.jpg *.bmp *.ppm)</source>
        <translation>PNG 图片 (*.png);;其他图片 (*.jpg *.bmp *.ppm)</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>SVG 矢量图 (*.svg)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>导出图片</translation>
    </message>
    <message>
        <source>;;All files (*)</source>
        <translation>;;所有文件 (*)</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>导出讲义</translation>
    </message>
    <message>
        <source> handout</source>
        <translation> 讲义</translation>
    </message>
    <message>
        <source>Export Handout: the folder for its files</source>
        <translation>导出讲义：选择存放文件的文件夹</translation>
    </message>
    <message>
        <source>The handout could not be exported to %1:
%2</source>
        <translation>无法将讲义导出到 %1：
%2</translation>
    </message>
    <message>
        <source>The picture could not be exported to %1:
%2</source>
        <translation>无法将图片导出到 %1：
%2</translation>
    </message>
</context>
<context>
    <name>GLBox</name>
    <message>
        <source>3D view of the network</source>
        <translation>网络的三维视图</translation>
    </message>
</context>
<context>
    <name>GLObjectWindow</name>
    <message>
        <source>The lesson could not be opened.
%1</source>
        <translation>无法打开课程。
%1</translation>
    </message>
    <message>
        <source>Transpose Switch</source>
        <translation>Transpose Switch</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Lesson &amp;Notes...</source>
        <translation>课程备注(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Focus on Marked Routes</source>
        <translation>聚焦已标记的路由(&amp;F)</translation>
    </message>
    <message>
        <source>Draw the boxes that no marked route touches as faint frames</source>
        <translation>将没有已标记路由经过的方块画成淡色线框</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>标签(&amp;L)</translation>
    </message>
    <message>
        <source>Routes</source>
        <translation>路由</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>映射表</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>场景</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全屏(&amp;F)</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>练习</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>练习(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Start Practice...</source>
        <translation>开始练习(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation>键盘与鼠标</translation>
    </message>
    <message>
        <source>Drag with any button</source>
        <translation>用任一鼠标键拖动</translation>
    </message>
    <message>
        <source>Turn the model (5 pixels make a degree)</source>
        <translation>旋转模型（每 5 像素转 1 度）</translation>
    </message>
    <message>
        <source>Click with the left, middle or right button</source>
        <translation>用左键、中键或右键单击</translation>
    </message>
    <message>
        <source>Toggle a red, green or blue mark on a terminal or switch</source>
        <translation>在终端或交换单元上切换红色、绿色或蓝色标记</translation>
    </message>
    <message>
        <source>Click on empty space, or Escape</source>
        <translation>单击空白处，或按 Escape</translation>
    </message>
    <message>
        <source>Clear every mark (Escape while stepping a route only ends the stepping)</source>
        <translation>清除所有标记（逐步查看路由时，Escape 只结束逐步查看）</translation>
    </message>
    <message>
        <source>Period, Comma, P</source>
        <translation>句点键、逗号键、P</translation>
    </message>
    <message>
        <source>Step the chosen route one leg further or back, play or pause it</source>
        <translation>将所选路由前进或后退一段，或者播放、暂停</translation>
    </message>
    <message>
        <source>Shift+drag with any button</source>
        <translation>Shift+用任一鼠标键拖动</translation>
    </message>
    <message>
        <source>Move the picture in the view&apos;s plane</source>
        <translation>在视图平面内平移画面</translation>
    </message>
    <message>
        <source>Mouse wheel</source>
        <translation>鼠标滚轮</translation>
    </message>
    <message>
        <source>Zoom in and out about the point under the pointer</source>
        <translation>以指针下方的点为中心放大或缩小</translation>
    </message>
    <message>
        <source>+ and -</source>
        <translation>+ 和 -</translation>
    </message>
    <message>
        <source>Zoom in and out about the view&apos;s centre</source>
        <translation>以视图中心为中心放大或缩小</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>方向键</translation>
    </message>
    <message>
        <source>Turn the model 5 degrees, as a drag of 25 pixels would; with Shift, 1 degree</source>
        <translation>将模型旋转 5 度，相当于拖动 25 像素；按住 Shift 时旋转 1 度</translation>
    </message>
    <message>
        <source>Ctrl+arrow keys</source>
        <translation>Ctrl+方向键</translation>
    </message>
    <message>
        <source>Move the picture by a twentieth of the view</source>
        <translation>将画面平移视图大小的二十分之一</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Back to the start view: angles 0, 0, no zoom and no move</source>
        <translation>回到初始视图：角度为 0, 0，不缩放，不平移</translation>
    </message>
    <message>
        <source>Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y</source>
        <translation>Ctrl+Z、Ctrl+Shift+Z 或 Ctrl+Y</translation>
    </message>
    <message>
        <source>Undo and redo changes of the marks, the size and the offsets</source>
        <translation>撤销或重做对标记、规模和偏移的更改</translation>
    </message>
    <message>
        <source>Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+Shift+S</source>
        <translation>Ctrl+N、Ctrl+O、Ctrl+S、Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>New lesson, open a lesson, save it, save it as</source>
        <translation>新建课程、打开课程、保存、另存为</translation>
    </message>
    <message>
        <source>Ctrl+E, Ctrl+C</source>
        <translation>Ctrl+E、Ctrl+C</translation>
    </message>
    <message>
        <source>Export a figure (PNG, SVG or PDF), copy the picture to the clipboard</source>
        <translation>导出图形（PNG、SVG 或 PDF），将图片复制到剪贴板</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>Full screen, for a projector</source>
        <translation>全屏，适合投影仪</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Present the lesson&apos;s scenes one after another, full screen; F5 or Escape leaves</source>
        <translation>全屏依次演示课程的各个场景；按 F5 或 Escape 退出</translation>
    </message>
    <message>
        <source>PageDown, Space, Right or a click on empty space</source>
        <translation>PageDown、空格键、右方向键或单击空白处</translation>
    </message>
    <message>
        <source>While presenting: the next scene (PageUp, Left, Backspace: the one before; Home, End: the first, the last)</source>
        <translation>演示时：下一个场景（PageUp、左方向键、Backspace：上一个场景；Home、End：第一个、最后一个场景）</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>&lt;p&gt;The keys work while the view has the keyboard focus (click it or Tab to it).&lt;/p&gt;</source>
        <translation>&lt;p&gt;视图拥有键盘焦点时（单击视图，或用 Tab 键切换到视图），这些按键才起作用。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>Illustrates Tervain&apos;s Transpose Switch&lt;br&gt;Intended to illustrate the structure&lt;br&gt;and behavior of the switch network.&lt;br&gt;&lt;br&gt;Written By Orvel Stane&lt;br&gt;ostane@transpose-switch.invalid&lt;br&gt;&lt;br&gt;First draft: 12 hours&lt;br&gt;Added Features: 8 hours&lt;br&gt;Minor Adjustments: 0.5 hours&lt;br&gt;Total: 20.5 Hours</source>
        <translation>演示 Tervain 的 Transpose Switch&lt;br&gt;用于说明该交换网络的&lt;br&gt;结构与行为。&lt;br&gt;&lt;br&gt;作者：Orvel Stane&lt;br&gt;ostane@transpose-switch.invalid&lt;br&gt;&lt;br&gt;初稿：12 小时&lt;br&gt;新增功能：8 小时&lt;br&gt;细节调整：0.5 小时&lt;br&gt;合计：20.5 小时</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>打开课程</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>语言(&amp;G)</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>&quot;%1&quot; must be a whole number</source>
        <translation>&quot;%1&quot; 必须是整数</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object</source>
        <translation>&quot;%1&quot; 必须是对象</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list</source>
        <translation>&quot;%1&quot; 必须是列表</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list of %2</source>
        <translation>&quot;%1&quot; 必须是含 %2 项的列表</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>&quot;%1&quot; 必须是文本</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one of %2, not &quot;%3&quot;</source>
        <translation>&quot;%1&quot; 必须是 %2 之一，而不是 &quot;%3&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be from %2 to %3, not %4</source>
        <translation>&quot;%1&quot; 必须在 %2 到 %3 之间，而不是 %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be from %2 to %3 at size %3, not %4</source>
        <translation>规模为 %3 时，&quot;%1&quot; 必须在 %2 到 %3 之间，而不是 %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>&quot;%1&quot; 必须是 true 或 false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must name one &quot;terminal&quot; or one &quot;switch&quot;</source>
        <translation>&quot;%1&quot; 必须指定一个 &quot;terminal&quot; 或一个 &quot;switch&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies outside the network of size %2</source>
        <translation>&quot;%1&quot; 超出了规模为 %2 的网络</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no colour</source>
        <translation>&quot;%1&quot; 没有指定任何颜色</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be from 0 to %2, the legs of that route, not %3</source>
        <translation>&quot;%1&quot; 必须在 0 到 %2 之间（即该路由的段数），而不是 %3</translation>
    </message>
    <message>
        <source>&quot;%1[%2]&quot; must be a finite number</source>
        <translation>&quot;%1[%2]&quot; 必须是有限数</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number from %2 to %3</source>
        <translation>&quot;%1&quot; 必须是 %2 到 %3 之间的数</translation>
    </message>
    <message>
        <source>&quot;%1[%2]&quot; must be a number from %3 to %4</source>
        <translation>&quot;%1[%2]&quot; 必须是 %3 到 %4 之间的数</translation>
    </message>
    <message>
        <source>&quot;practice.seed&quot; must be from 0 to %1, not %2</source>
        <translation>&quot;practice.seed&quot; 必须在 0 到 %1 之间，而不是 %2</translation>
    </message>
    <message>
        <source>&quot;practice.questions&quot; must be from 1 to %1, not %2</source>
        <translation>&quot;practice.questions&quot; 必须在 1 到 %1 之间，而不是 %2</translation>
    </message>
    <message>
        <source>not a lesson: &quot;format&quot; must be &quot;%1&quot;</source>
        <translation>不是课程文件：&quot;format&quot; 必须是 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;version&quot; is missing</source>
        <translation>缺少 &quot;version&quot;</translation>
    </message>
    <message>
        <source>made by a newer version of the program (lesson version %1)</source>
        <translation>由更新版本的程序创建（课程版本 %1）</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be 1 or 2</source>
        <translation>&quot;version&quot; 必须是 1 或 2</translation>
    </message>
    <message>
        <source>&quot;scenes&quot; must be a list of at least one object</source>
        <translation>&quot;scenes&quot; 必须是至少包含一个对象的列表</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>第 %1 行，第 %2 列</translation>
    </message>
    <message>
        <source>not JSON: %1 at %2</source>
        <translation>不是 JSON：%1（位置：%2）</translation>
    </message>
    <message>
        <source>not a lesson: the file holds no JSON object</source>
        <translation>不是课程文件：文件中没有 JSON 对象</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>文件名为空</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>is a folder, not a lesson</source>
        <translation>是文件夹，而不是课程文件</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>is larger than 1 MiB, too large for a lesson</source>
        <translation>大于 1 MiB，作为课程文件过大</translation>
    </message>
</context>
<context>
    <name>LessonFiles</name>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>打开课程</translation>
    </message>
    <message>
        <source>&amp;Example Lessons</source>
        <translation>示例课程(&amp;E)</translation>
    </message>
    <message>
        <source>Lessons (*.%1);;All files (*)</source>
        <translation>课程 (*.%1);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The lesson could not be opened.
%1</source>
        <translation>无法打开课程。
%1</translation>
    </message>
    <message>
        <source>lesson</source>
        <translation>课程</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>保存课程</translation>
    </message>
    <message>
        <source>The lesson could not be saved.
%1</source>
        <translation>无法保存课程。
%1</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>未保存的更改</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changes that are not saved.
Save them first?</source>
        <translation>课程“%1”有尚未保存的更改。
要先保存吗？</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
</context>
<context>
    <name>LessonNotes</name>
    <message>
        <source>Lesson Notes</source>
        <translation>课程备注</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>标题(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>备注(&amp;N)：</translation>
    </message>
    <message>
        <source>Scene %1 t&amp;itle:</source>
        <translation>场景 %1 标题(&amp;I)：</translation>
    </message>
    <message>
        <source>Scene %1 n&amp;otes:</source>
        <translation>场景 %1 备注(&amp;O)：</translation>
    </message>
    <message>
        <source>&amp;Practice set: the same questions for every student</source>
        <translation>练习集(&amp;P)：每位学生的题目都相同</translation>
    </message>
    <message>
        <source>small</source>
        <translation>小型</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>中型</translation>
    </message>
    <message>
        <source>large</source>
        <translation>大型</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>种子(&amp;E)：</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>难度(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Questions:</source>
        <translation>题数(&amp;Q)：</translation>
    </message>
    <message>
        <source>Edit Lesson Notes</source>
        <translation>编辑课程备注</translation>
    </message>
</context>
<context>
    <name>NetworkDocument</name>
    <message>
        <source>Edit Lesson Notes</source>
        <translation>编辑课程备注</translation>
    </message>
    <message>
        <source>Change Practice Set</source>
        <translation>更改练习集</translation>
    </message>
    <message>
        <source>Add Scene</source>
        <translation>添加场景</translation>
    </message>
    <message>
        <source>Duplicate Scene</source>
        <translation>复制场景</translation>
    </message>
    <message>
        <source>Delete Scene</source>
        <translation>删除场景</translation>
    </message>
    <message>
        <source>Move Scene</source>
        <translation>移动场景</translation>
    </message>
    <message>
        <source>Rename Scene</source>
        <translation>重命名场景</translation>
    </message>
    <message>
        <source>Change Size</source>
        <translation>更改规模</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>更改 %1</translation>
    </message>
    <message>
        <source>Mark Terminal</source>
        <translation>标记终端</translation>
    </message>
    <message>
        <source>Mark Switch</source>
        <translation>标记交换单元</translation>
    </message>
    <message>
        <source>Clear Marks</source>
        <translation>清除标记</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Where does terminal %1 arrive?</source>
        <translation>终端 %1 到达何处？</translation>
    </message>
    <message>
        <source>At which level does the route of terminal %1 turn?</source>
        <translation>终端 %1 的路由在哪一层转向？</translation>
    </message>
    <message>
        <source>Which family ends the route of terminal %1?</source>
        <translation>终端 %1 的路由在哪个平面族中断？</translation>
    </message>
    <message>
        <source>Which terminal arrives at %1?</source>
        <translation>哪个终端到达 %1？</translation>
    </message>
    <message>
        <source>Set c1, c2 and c3 so that terminal %1 arrives at %2.</source>
        <translation>设置 c1、c2 和 c3，使终端 %1 到达 %2。</translation>
    </message>
    <message>
        <source>Check each turn in order: one of the families has no switch for this route.</source>
        <translation>按顺序检查每次转向：其中一个平面族没有可供此路由转向的交换单元。</translation>
    </message>
    <message>
        <source>It does arrive: every family has a switch for it.</source>
        <translation>它确实能到达：每个平面族都有可供它转向的交换单元。</translation>
    </message>
    <message>
        <source>The column is not right: the run along x ends where j = i + c2 holds.</source>
        <translation>列不对：沿 x 的一段在 j = i + c2 成立处结束。</translation>
    </message>
    <message>
        <source>The row is not right: the run along z ends where k = j + c3 holds.</source>
        <translation>行不对：沿 z 的一段在 k = j + c3 成立处结束。</translation>
    </message>
    <message>
        <source>The route goes down until i = k + c1 holds, if some level k in the network does that.</source>
        <translation>路由一直向下，直到 i = k + c1 成立为止，前提是网络中有某一层 k 能使其成立。</translation>
    </message>
    <message>
        <source>Follow the turns in order: the i = k + c1 family first, then j = i + c2, then k2 = j + c3.</source>
        <translation>按顺序跟踪各次转向：先是 i = k + c1 平面族，然后是 j = i + c2，最后是 k2 = j + c3。</translation>
    </message>
    <message>
        <source>Work backwards: terminal (i, j) arrives at (j - c2, i - c1 - c3) when every turn is in the network.</source>
        <translation>倒推：当每次转向都在网络内时，终端 (i, j) 到达 (j - c2, i - c1 - c3)。</translation>
    </message>
    <message>
        <source>With these offsets the route dies: the %1 family has no switch for it.</source>
        <translation>使用这些偏移时路由中断：%1 平面族没有可供它转向的交换单元。</translation>
    </message>
    <message>
        <source>With these offsets it arrives at %1: the column follows from c2, the row from c1 and c3.</source>
        <translation>使用这些偏移时它到达 %1：列由 c2 决定，行由 c1 和 c3 决定。</translation>
    </message>
    <message>
        <source>for example %1: %2</source>
        <extracomment>%1 offsets &quot;c1 = 1, c2 = 0, c3 = 2&quot;, %2 the route&apos;s description</extracomment>
        <translation>例如 %1：%2</translation>
    </message>
    <message>
        <source>no terminal arrives at %1: no (i, j) in the network has j - c2 = %2 and i - c1 - c3 = %3 with every turn inside it.</source>
        <translation>没有终端到达 %1：网络中没有满足 j - c2 = %2 且 i - c1 - c3 = %3、并且每次转向都在网络内的 (i, j)。</translation>
    </message>
    <message>
        <source>Where does it arrive</source>
        <translation>到达何处</translation>
    </message>
    <message>
        <source>Where does it turn</source>
        <translation>在何处转向</translation>
    </message>
    <message>
        <source>Which family ends it</source>
        <translation>哪个平面族使其中断</translation>
    </message>
    <message>
        <source>Which terminal arrives</source>
        <translation>哪个终端到达</translation>
    </message>
    <message>
        <source>Set the offsets</source>
        <translation>设置偏移</translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>The seed: the same seed and level give the same questions</source>
        <translation>种子：相同的种子和难度会给出相同的题目</translation>
    </message>
    <message>
        <source>small</source>
        <translation>小型</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>中型</translation>
    </message>
    <message>
        <source>large</source>
        <translation>大型</translation>
    </message>
    <message>
        <source>small: N = 3 to 5, at most one offset; medium: N = 4 to 8; large: N = 8 to 15</source>
        <translation>小型：N = 3 到 5，至多一个偏移；中型：N = 4 到 8；大型：N = 8 到 15</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>种子(&amp;S)：</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Column i of your answer</source>
        <translation>你的答案的列 i</translation>
    </message>
    <message>
        <source>Row j of your answer</source>
        <translation>你的答案的行 j</translation>
    </message>
    <message>
        <source>Level k of your answer</source>
        <translation>你的答案的层 k</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>It dies</source>
        <translation>路由中断</translation>
    </message>
    <message>
        <source>none: it arrives</source>
        <translation>无：它能到达终端</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>下一题</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Your name, for the summary you hand in</source>
        <translation>你的姓名，写在要上交的小结中</translation>
    </message>
    <message>
        <source>Student&apos;s name</source>
        <translation>学生姓名</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>姓名(&amp;N)：</translation>
    </message>
    <message>
        <source>Summary of the round</source>
        <translation>本轮小结</translation>
    </message>
    <message>
        <source>Copy Summary</source>
        <translation>复制小结</translation>
    </message>
    <message>
        <source>Save Summary...</source>
        <translation>保存小结...</translation>
    </message>
    <message>
        <source>This lesson&apos;s practice set: 1 question, seed %1, %2.</source>
        <translation>本课程的练习集：1 道题，种子 %1，%2。</translation>
    </message>
    <message>
        <source>This lesson&apos;s practice set: %1 questions, seed %2, %3.</source>
        <translation>本课程的练习集：%1 道题，种子 %2，%3。</translation>
    </message>
    <message>
        <source>Every student who starts it gets the same questions.</source>
        <translation>每位开始练习的学生都会得到相同的题目。</translation>
    </message>
    <message>
        <source>Practice question</source>
        <translation>练习题</translation>
    </message>
    <message>
        <source>None arrives</source>
        <translation>没有终端到达</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>小结</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%2 题中答对 %1 题</translation>
    </message>
    <message>
        <source>Press Start for the lesson&apos;s questions about the network.</source>
        <translation>点击“开始”，回答本课程关于该网络的题目。</translation>
    </message>
    <message>
        <source>Choose a seed and a level and press Start: ten questions about the network.</source>
        <translation>选择种子和难度，然后点击“开始”：共十道关于该网络的题目。</translation>
    </message>
    <message>
        <source>Question %1 of %2 (%3): </source>
        <translation>第 %1 题，共 %2 题（%3）：</translation>
    </message>
    <message>
        <source> Use the offset boxes on the left, then Check.</source>
        <translation> 请使用左侧的偏移框，然后点击“检查”。</translation>
    </message>
    <message>
        <source>Right. </source>
        <translation>正确。</translation>
    </message>
    <message>
        <source>Right, on the second try: counted as missed. </source>
        <translation>第二次才答对：计为答错。</translation>
    </message>
    <message>
        <source>Not quite: try once more. </source>
        <translation>不太对：请再试一次。</translation>
    </message>
    <message>
        <source>Not quite: </source>
        <translation>不太对：</translation>
    </message>
    <message>
        <source>Practice answer</source>
        <translation>练习答案</translation>
    </message>
    <message>
        <source>Seed %1, %2: %3 of %4 right</source>
        <translation>种子 %1，%2：%4 题中答对 %3 题</translation>
    </message>
    <message>
        <source>%1: %2 right, %3 wrong</source>
        <translation>%1：答对 %2 题，答错 %3 题</translation>
    </message>
    <message>
        <source>Missed %1: %2 (%3)</source>
        <translation>答错第 %1 题：%2（%3）</translation>
    </message>
    <message>
        <source>Press Enter or double-click to see its route again</source>
        <translation>按 Enter 或双击，再次查看它的路由</translation>
    </message>
    <message>
        <source>The round is over: %1 of %2 right.</source>
        <translation>本轮结束：%2 题中答对 %1 题。</translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation>学生：%1</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>课程：%1</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>练习</translation>
    </message>
    <message>
        <source>practice %1</source>
        <translation>练习 %1</translation>
    </message>
    <message>
        <source>Save Summary</source>
        <translation>保存小结</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>The summary could not be saved to %1:
%2</source>
        <translation>无法将小结保存到 %1：
%2</translation>
    </message>
</context>
<context>
    <name>Presenter</name>
    <message>
        <source>&amp;Present</source>
        <translation>演示(&amp;P)</translation>
    </message>
    <message>
        <source>Smooth &amp;Transitions</source>
        <translation>平滑过渡(&amp;T)</translation>
    </message>
    <message>
        <source>Show the scenes one after another, full screen</source>
        <translation>全屏依次显示各个场景</translation>
    </message>
    <message>
        <source>Presenter</source>
        <translation>演示者视图</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 / %2  %3</source>
        <translation>%1 / %2  %3</translation>
    </message>
    <message>
        <source>Scene %1</source>
        <translation>场景 %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Next:&lt;/b&gt; %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;下一个：&lt;/b&gt;%1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Next:&lt;/b&gt; the end&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;下一个：&lt;/b&gt;结束&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>cannot be saved: %1</source>
        <translation>无法保存：%1</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>文件名为空</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>是文件夹，而不是文件</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>The drawing could not be started.</source>
        <translation>无法开始绘制。</translation>
    </message>
    <message>
        <source>The drawing could not be finished.</source>
        <translation>无法完成绘制。</translation>
    </message>
    <message>
        <source>The document could not be started.</source>
        <translation>无法开始生成文档。</translation>
    </message>
    <message>
        <source>The document could not be finished.</source>
        <translation>无法完成文档。</translation>
    </message>
    <message>
        <source>The figure has no size.</source>
        <translation>图形的尺寸为零。</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>内存不足，无法生成 %1 x %2 像素的图片。</translation>
    </message>
    <message>
        <source>A picture is not drawn as vectors.</source>
        <translation>位图图片无法以矢量形式绘制。</translation>
    </message>
    <message>
        <source>The page has no size.</source>
        <translation>页面的尺寸为零。</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>The lesson has no scenes.</source>
        <translation>课程中没有场景。</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>无法创建该文件夹</translation>
    </message>
    <message>
        <source>Pictures cannot be saved as &quot;%1&quot;.</source>
        <translation>图片无法保存为“%1”格式。</translation>
    </message>
</context>
<context>
    <name>RouteMapModel</name>
    <message>
        <source>i = %1</source>
        <translation>i = %1</translation>
    </message>
    <message>
        <source>j = %1</source>
        <translation>j = %1</translation>
    </message>
</context>
<context>
    <name>RouteMapPage</name>
    <message>
        <source>Where each terminal arrives</source>
        <translation>各终端到达何处</translation>
    </message>
    <message>
        <source>Columns i, rows j; a route dies at the family named: %1</source>
        <translation>列为 i，行为 j；路由中断处的平面族用以下名称表示：%1</translation>
    </message>
    <message>
        <source>hidden during the question</source>
        <translation>答题期间隐藏</translation>
    </message>
</context>
<context>
    <name>RouteStepper</name>
    <message>
        <source>Choose a marked route and step through it with ▶| or play it with ▶.</source>
        <translation>选择一条已标记的路由，用 ▶| 逐步查看，或用 ▶ 播放。</translation>
    </message>
</context>
<context>
    <name>RouteText</name>
    <message>
        <source>unmarked</source>
        <translation>未标记</translation>
    </message>
    <message>
        <source>red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>red + green</source>
        <translation>红 + 绿</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>red + blue</source>
        <translation>红 + 蓝</translation>
    </message>
    <message>
        <source>green + blue</source>
        <translation>绿 + 蓝</translation>
    </message>
    <message>
        <source>red + green + blue</source>
        <translation>红 + 绿 + 蓝</translation>
    </message>
    <message>
        <source>terminal %1: %2.</source>
        <extracomment>%1 the start terminal &quot;(1, 3)&quot;, then the route&apos;s legs in order</extracomment>
        <translation>终端 %1：%2。</translation>
    </message>
    <message>
        <source>terminal %1: %2; %3.</source>
        <extracomment>%1 the start terminal &quot;(1, 3)&quot;, then the route&apos;s legs in order</extracomment>
        <translation>终端 %1：%2；%3。</translation>
    </message>
    <message>
        <source>terminal %1: %2; %3; %4.</source>
        <extracomment>%1 the start terminal &quot;(1, 3)&quot;, then the route&apos;s legs in order</extracomment>
        <translation>终端 %1：%2；%3；%4。</translation>
    </message>
    <message>
        <source>terminal %1: %2; %3; %4; %5.</source>
        <extracomment>%1 the start terminal &quot;(1, 3)&quot;, then the route&apos;s legs in order</extracomment>
        <translation>终端 %1：%2；%3；%4；%5。</translation>
    </message>
    <message>
        <source>dies at once: no level k in 0..%1 with %2 = %3 %4</source>
        <translation>立即中断：0..%1 中没有层 k 使 %2 = %3 %4</translation>
    </message>
    <message>
        <source>then dies: no column i in 0..%1 with %2 = %3 %4</source>
        <translation>随后中断：0..%1 中没有列 i 使 %2 = %3 %4</translation>
    </message>
    <message>
        <source>then dies: no row j in 0..%1 with %2 = %3 %4</source>
        <translation>随后中断：0..%1 中没有行 j 使 %2 = %3 %4</translation>
    </message>
    <message>
        <source>down to level k = %1 at switch %2 %3</source>
        <translation>向下到达层 k = %1 的交换单元 %2 %3</translation>
    </message>
    <message>
        <source>along x to i1 = %1 at switch %2 %3</source>
        <translation>沿 x 到达 i1 = %1 的交换单元 %2 %3</translation>
    </message>
    <message>
        <source>along z to j1 = %1 at switch %2 %3</source>
        <translation>沿 z 到达 j1 = %1 的交换单元 %2 %3</translation>
    </message>
    <message>
        <source>up to terminal %1, where it arrives</source>
        <translation>向上到达终端 %1，路由在此到达终点</translation>
    </message>
    <message numerus="yes">
        <source>step %1 of %n: at terminal %2</source>
        <translation>
            <numerusform>第 %1 步，共 %n 步：位于终端 %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>step %1 of %n: %2</source>
        <extracomment>%2 one leg of the route, as in &quot;down to level k = 1 at switch (1, 3, 1) [i = k + c1]&quot;</extracomment>
        <translation>
            <numerusform>第 %1 步，共 %n 步：%2</numerusform>
        </translation>
    </message>
    <message>
        <source>terminal %1</source>
        <translation>终端 %1</translation>
    </message>
    <message>
        <source>terminal %1: its route arrives at terminal %2</source>
        <translation>终端 %1：其路由到达终端 %2</translation>
    </message>
    <message>
        <source>terminal %1: its route dies at %2</source>
        <translation>终端 %1：其路由中断于 %2</translation>
    </message>
    <message>
        <source>%1; marked %2</source>
        <extracomment>%1 what is said of the box so far, %2 colours such as &quot;red + blue&quot;</extracomment>
        <translation>%1；已标记为 %2</translation>
    </message>
    <message>
        <source>%1; reached by %2</source>
        <extracomment>%1 what is said of the terminal so far, %2 colours such as &quot;red + blue&quot;</extracomment>
        <translation>%1；由 %2 路由到达</translation>
    </message>
    <message>
        <source>switch %1</source>
        <translation>交换单元 %1</translation>
    </message>
    <message>
        <source>switch %1: on no family</source>
        <translation>交换单元 %1：不在任何平面族上</translation>
    </message>
    <message>
        <source>switch %1: on %2</source>
        <translation>交换单元 %1：位于平面族 %2 上</translation>
    </message>
    <message>
        <source>%1; marked routes turn here: from %2</source>
        <extracomment>%1 what is said of the switch so far, %2 start terminals &quot;(1, 3), (0, 0)&quot;</extracomment>
        <translation>%1；已标记的路由在此转向：起点为 %2</translation>
    </message>
    <message>
        <source>dies: %1</source>
        <translation>中断：%1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n terminals arrive; %2: %3</source>
        <extracomment>%1 how many arrive, %2 the offsets &quot;c1 = 1, c2 = -1, c3 = 2&quot;, %3 where (i, j) goes</extracomment>
        <translation>
            <numerusform>%n 个终端中有 %1 个到达；%2：%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n terminal marked</source>
        <translation>
            <numerusform>已标记 %n 个终端</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n terminals marked</source>
        <translation>
            <numerusform>已标记 %n 个终端</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n arrives</source>
        <translation>
            <numerusform>%n 个到达</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n arrive</source>
        <translation>
            <numerusform>%n 个到达</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dies</source>
        <translation>
            <numerusform>%n 个中断</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n die</source>
        <translation>
            <numerusform>%n 个中断</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2: %3, %4.</source>
        <extracomment>%1 &quot;N = 4, c1 = 0, ...&quot;, %2 &quot;2 terminals marked&quot;, %3 &quot;1 arrives&quot;, %4 &quot;1 dies&quot;</extracomment>
        <translation>%1；%2：%3，%4。</translation>
    </message>
</context>
<context>
    <name>RoutesPanel</name>
    <message>
        <source>Lesson notes</source>
        <translation>课程备注</translation>
    </message>
    <message>
        <source>Marked terminals and their routes</source>
        <translation>已标记的终端及其路由</translation>
    </message>
    <message>
        <source>Focus on the marked routes</source>
        <translation>聚焦已标记的路由</translation>
    </message>
    <message>
        <source>Destinations and marked switches</source>
        <translation>到达的终端和已标记的交换单元</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>标记</translation>
    </message>
    <message>
        <source>Column i of the terminal or switch to mark</source>
        <translation>要标记的终端或交换单元的列 i</translation>
    </message>
    <message>
        <source>Row j of the terminal or switch to mark</source>
        <translation>要标记的终端或交换单元的行 j</translation>
    </message>
    <message>
        <source>Level k of the switch to mark, or top for a terminal</source>
        <translation>要标记的交换单元的层 k；标记终端时选“顶面”</translation>
    </message>
    <message>
        <source>top</source>
        <translation>顶面</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Toggle a %1 mark, as a click with the %2 button would</source>
        <translation>切换%1标记，效果与用鼠标%2键单击相同</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>中</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Clear every mark, as a click on empty space would</source>
        <translation>清除所有标记，效果与单击空白处相同</translation>
    </message>
    <message>
        <source>Back to the start of the route</source>
        <translation>回到路由的起点</translation>
    </message>
    <message>
        <source>One leg back (Comma)</source>
        <translation>后退一段（逗号键）</translation>
    </message>
    <message>
        <source>Play the route leg by leg, or pause (P)</source>
        <translation>逐段播放路由，或暂停（P）</translation>
    </message>
    <message>
        <source>One leg further (Period)</source>
        <translation>前进一段（句点键）</translation>
    </message>
    <message>
        <source>Legs per second while playing, 0.5 to 4</source>
        <translation>播放时每秒前进的段数，0.5 到 4</translation>
    </message>
    <message>
        <source>terminal (%1, %2) is reached by %3</source>
        <translation>终端 (%1, %2) 由 %3 路由到达</translation>
    </message>
    <message>
        <source>No route arrives.</source>
        <translation>没有路由到达。</translation>
    </message>
    <message>
        <source>switch (%1, %2, %3) is marked %4</source>
        <translation>交换单元 (%1, %2, %3) 已标记为 %4</translation>
    </message>
    <message>
        <source>No switch is marked.</source>
        <translation>没有已标记的交换单元。</translation>
    </message>
    <message>
        <source>No terminal is marked: click one, or use the form below.</source>
        <translation>没有已标记的终端：单击一个终端，或使用下方的表单。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>SceneListModel</name>
    <message>
        <source>Scene %1</source>
        <translation>场景 %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>ScenesPanel</name>
    <message>
        <source>The lesson&apos;s scenes: choose one to show it</source>
        <translation>课程的场景：选择一个场景即可显示</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Add a scene showing what the view shows now</source>
        <translation>添加一个场景，内容为视图当前显示的画面</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Copy the scene, with its title and notes</source>
        <translation>复制该场景及其标题和备注</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete the scene</source>
        <translation>删除该场景</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move the scene one place earlier</source>
        <translation>将该场景前移一位</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move the scene one place later</source>
        <translation>将该场景后移一位</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Give the scene a title</source>
        <translation>为该场景设置标题</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Turn a 3D model of the Transpose Switch network and follow its routes.</source>
        <translation>旋转 Transpose Switch 网络的三维模型，跟踪其路由。</translation>
    </message>
    <message>
        <source>Write the picture of the lesson (or of the start) to FILE and exit.</source>
        <translation>将课程（或初始状态）的图片写入 FILE 后退出。</translation>
    </message>
    <message>
        <source>The exported picture&apos;s size: pixels, or millimetres for PDF.</source>
        <translation>导出图片的尺寸：单位为像素，PDF 则为毫米。</translation>
    </message>
    <message>
        <source>screen (black, the default) or print (white) for --export.</source>
        <translation>--export 的背景：screen（黑色，默认）或 print（白色）。</translation>
    </message>
    <message>
        <source>Put N, the offsets and the lesson&apos;s title under the exported picture.</source>
        <translation>在导出的图片下方注明 N、各偏移和课程标题。</translation>
    </message>
    <message>
        <source>List the marked routes beside the exported picture.</source>
        <translation>在导出的图片旁列出已标记的路由。</translation>
    </message>
    <message>
        <source>Export exactly what the window shows instead of fitting the model to the picture.</source>
        <translation>完全按窗口显示的内容导出，而不是使模型适应图片大小。</translation>
    </message>
    <message>
        <source>Name the axes and number the indices in the exported picture, as View → Labels does.</source>
        <translation>在导出的图片中标出坐标轴名称和索引编号，与“视图 → 标签”的作用相同。</translation>
    </message>
    <message>
        <source>Draw the boxes no marked route touches as faint frames in the exported picture, as View → Focus on Marked Routes does.</source>
        <translation>在导出的图片中，将没有已标记路由经过的方块画成淡色线框，与“视图 → 聚焦已标记的路由”的作用相同。</translation>
    </message>
    <message>
        <source>Export every scene of the lesson: a PDF of a page each (the figure, the scene&apos;s title and notes), or with --format svg or png a folder of numbered files. For print unless --background says otherwise.</source>
        <translation>导出课程的所有场景：生成每个场景一页的 PDF（图形、场景标题和备注），或配合 --format svg 或 png 生成一个包含编号文件的文件夹。除非 --background 另行指定，否则按打印用途导出。</translation>
    </message>
    <message>
        <source>pdf, svg or png: what --handout writes (by default PDF, for a FILE ending in .pdf).</source>
        <translation>pdf、svg 或 png：--handout 写出的格式（默认为 PDF，此时 FILE 须以 .pdf 结尾）。</translation>
    </message>
    <message>
        <source>Start in practice with this seed.</source>
        <translation>以此种子开始练习。</translation>
    </message>
    <message>
        <source>The practice level: small, medium or large.</source>
        <translation>练习难度：small、medium 或 large。</translation>
    </message>
    <message>
        <source>A lesson file (.tslesson) to open.</source>
        <translation>要打开的课程文件（.tslesson）。</translation>
    </message>
    <message>
        <source>one lesson at a time, not %1</source>
        <translation>一次只能打开一个课程，而不是 %1 个</translation>
    </message>
    <message>
        <source>--%1 goes with --export</source>
        <translation>--%1 须与 --export 一起使用</translation>
    </message>
    <message>
        <source>--format goes with --handout</source>
        <translation>--format 须与 --handout 一起使用</translation>
    </message>
    <message>
        <source>--level goes with --practice</source>
        <translation>--level 须与 --practice 一起使用</translation>
    </message>
    <message>
        <source>--practice takes a whole number, not &quot;%1&quot;</source>
        <translation>--practice 需要一个整数，而不是“%1”</translation>
    </message>
    <message>
        <source>--level must be small, medium or large, not &quot;%1&quot;</source>
        <translation>--level 必须是 small、medium 或 large，而不是“%1”</translation>
    </message>
    <message>
        <source>--export needs a file name, and the one given is empty</source>
        <translation>--export 需要文件名，但给出的文件名为空</translation>
    </message>
    <message>
        <source>--background must be print or screen, not &quot;%1&quot;</source>
        <translation>--background 必须是 print 或 screen，而不是“%1”</translation>
    </message>
    <message>
        <source>--format must be pdf, svg or png, not &quot;%1&quot;</source>
        <translation>--format 必须是 pdf、svg 或 png，而不是“%1”</translation>
    </message>
    <message>
        <source>--handout writes a .pdf file, or a folder with --format svg or png</source>
        <translation>--handout 写出 .pdf 文件；配合 --format svg 或 png 时写出一个文件夹</translation>
    </message>
    <message>
        <source>--image-size must be WIDTHxHEIGHT, each 1 to %1, not &quot;%2&quot;</source>
        <translation>--image-size 必须为 WIDTHxHEIGHT，宽和高均在 1 到 %1 之间，而不是“%2”</translation>
    </message>
    <message>
        <source>The language for this run: %1.</source>
        <translation>本次运行使用的语言：%1。</translation>
    </message>
    <message>
        <source>--lang must be one of %1, not &quot;%2&quot;</source>
        <translation>--lang 必须是 %1 之一，而不是“%2”</translation>
    </message>
</context>
</TS>
