<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ControlColumn</name>
    <message>
        <source>Network size N: N by N terminals on the top face, N by N by N switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How a marked terminal&apos;s route is drawn: its own path or the whole wires it uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which wires are drawn dashed: none, those every terminal&apos;s route uses, or all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How switches are drawn: filled, as frames, or only where highlighted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The family of switches with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hilite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opaque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight the switches with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw the plane %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw the plane %1 solid instead of dotted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The offset %1 of the planes %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>OpenGL here draws pictures of at most %1 × %1 pixels; a larger one can be exported for print or as SVG or PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be drawn off screen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>&amp;Fit the model to the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Caption: N, the offsets and the lesson&apos;s title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Legend: the marked routes, where each starts and ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures in a folder, one per scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawings in a folder, one per scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF handout, a page per scene with its title and notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As on screen (black)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For print (white)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off: exactly what the window shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page; default: A4 portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default: A5 landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default: the view, %1 × %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FigureExport</name>
    <message>
        <source>&amp;Export Image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Handout...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every scene of the lesson: a PDF of a page each, or a folder of pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;Other pictures (*.jpg *.bmp *.ppm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>;;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> handout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Handout: the folder for its files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The handout could not be exported to %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be exported to %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GLBox</name>
    <message>
        <source>3D view of the network</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GLObjectWindow</name>
    <message>
        <source>Open Lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lesson could not be opened.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transpose Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesson &amp;Notes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Focus on Marked Routes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw the boxes that no marked route touches as faint frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Routes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start Practice...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag with any button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the model (5 pixels make a degree)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click with the left, middle or right button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle a red, green or blue mark on a terminal or switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on empty space, or Escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear every mark (Escape while stepping a route only ends the stepping)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period, Comma, P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step the chosen route one leg further or back, play or pause it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift+drag with any button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the picture in the view&apos;s plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in and out about the point under the pointer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ and -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in and out about the view&apos;s centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the model 5 degrees, as a drag of 25 pixels would; with Shift, 1 degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+arrow keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the picture by a twentieth of the view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the start view: angles 0, 0, no zoom and no move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo and redo changes of the marks, the size and the offsets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+Shift+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New lesson, open a lesson, save it, save it as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+E, Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export a figure (PNG, SVG or PDF), copy the picture to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full screen, for a projector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present the lesson&apos;s scenes one after another, full screen; F5 or Escape leaves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PageDown, Space, Right or a click on empty space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While presenting: the next scene (PageUp, Left, Backspace: the one before; Home, End: the first, the last)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;The keys work while the view has the keyboard focus (click it or Tab to it).&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustrates Tervain&apos;s Transpose Switch&lt;br&gt;Intended to illustrate the structure&lt;br&gt;and behavior of the switch network.&lt;br&gt;&lt;br&gt;Written By Orvel Stane&lt;br&gt;ostane@transpose-switch.invalid&lt;br&gt;&lt;br&gt;First draft: 12 hours&lt;br&gt;Added Features: 8 hours&lt;br&gt;Minor Adjustments: 0.5 hours&lt;br&gt;Total: 20.5 Hours</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LessonFiles</name>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Example Lessons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lessons (*.%1);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lesson could not be opened.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lesson could not be saved.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changes that are not saved.
Save them first?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LessonNotes</name>
    <message>
        <source>Lesson Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene %1 t&amp;itle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene %1 n&amp;otes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Practice set: the same questions for every student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Questions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Lesson Notes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkDocument</name>
    <message>
        <source>Edit Lesson Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Practice Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Marks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>The seed: the same seed and level give the same questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>small: N = 3 to 5, at most one offset; medium: N = 4 to 8; large: N = 8 to 15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column i of your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row j of your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level k of your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: it arrives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name, for the summary you hand in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary of the round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Summary...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This lesson&apos;s practice set: 1 question, seed %1, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This lesson&apos;s practice set: %1 questions, seed %2, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every student who starts it gets the same questions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None arrives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It dies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Start for the lesson&apos;s questions about the network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a seed and a level and press Start: ten questions about the network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1 of %2 (%3): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Use the offset boxes on the left, then Check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right, on the second try: counted as missed. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not quite: try once more. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not quite: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed %1, %2: %3 of %4 right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 right, %3 wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed %1: %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Enter or double-click to see its route again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The round is over: %1 of %2 right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>practice %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The summary could not be saved to %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Presenter</name>
    <message>
        <source>&amp;Present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the scenes one after another, full screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smooth &amp;Transitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presenter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 / %2  %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Next:&lt;/b&gt; %1&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Next:&lt;/b&gt; the end&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>cannot be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drawing could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drawing could not be finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document could not be finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figure has no size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of %1 x %2 pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture is not drawn as vectors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page has no size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lesson has no scenes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures cannot be saved as &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteMapModel</name>
    <message>
        <source>i = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>j = %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteMapPage</name>
    <message>
        <source>Where each terminal arrives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns i, rows j; a route dies at the family named: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hidden during the question</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteStepper</name>
    <message>
        <source>Choose a marked route and step through it with ▶| or play it with ▶.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RoutesPanel</name>
    <message>
        <source>Lesson notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marked terminals and their routes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus on the marked routes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destinations and marked switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column i of the terminal or switch to mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row j of the terminal or switch to mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level k of the switch to mark, or top for a terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle a %1 mark, as a click with the %2 button would</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear every mark, as a click on empty space would</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the start of the route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One leg back (Comma)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the route leg by leg, or pause (P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One leg further (Period)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legs per second while playing, 0.5 to 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>terminal (%1, %2) is reached by %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No route arrives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch (%1, %2, %3) is marked %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No switch is marked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No terminal is marked: click one, or use the form below.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SceneListModel</name>
    <message>
        <source>Scene %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenesPanel</name>
    <message>
        <source>The lesson&apos;s scenes: choose one to show it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a scene showing what the view shows now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the scene, with its title and notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the scene one place earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the scene one place later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the scene a title</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Turn a 3D model of the Transpose Switch network and follow its routes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the picture of the lesson (or of the start) to FILE and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exported picture&apos;s size: pixels, or millimetres for PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>screen (black, the default) or print (white) for --export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put N, the offsets and the lesson&apos;s title under the exported picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the marked routes beside the exported picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export exactly what the window shows instead of fitting the model to the picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name the axes and number the indices in the exported picture, as View → Labels does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw the boxes no marked route touches as faint frames in the exported picture, as View → Focus on Marked Routes does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export every scene of the lesson: a PDF of a page each (the figure, the scene&apos;s title and notes), or with --format svg or png a folder of numbered files. For print unless --background says otherwise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pdf, svg or png: what --handout writes (by default PDF, for a FILE ending in .pdf).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start in practice with this seed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The practice level: small, medium or large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language for this run: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A lesson file (.tslesson) to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one lesson at a time, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 goes with --export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format goes with --handout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--level goes with --practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lang must be one of %1, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--practice takes a whole number, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--level must be small, medium or large, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export needs a file name, and the one given is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--background must be print or screen, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format must be pdf, svg or png, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--handout writes a .pdf file, or a folder with --format svg or png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--image-size must be WIDTHxHEIGHT, each 1 to %1, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
