// The help manual, one list item per line. Every topic begins with the heading lines that
// the index entries find by their first characters, so the order of headings matters.

#include "help/manual.h"

namespace tandrel {

namespace {

constexpr char16_t manualText[] = uR"manual(  CLICK ME
 HERE FOR
     HELP!
HELP GETTING STARTED
Introduction
Getting started

First time?  Don't worry.  I'm easy!

I am Tandrel.  I type for you.  You write a short program of lines, and when you run it
I send each line to your desktop as if you had typed it yourself: keys, words, menu shortcuts,
and a handful of special functions that open programs, move files, wait and watch the clipboard.

Look on the upper left of your screen.
You will see four words:

CREATE  lets you create new programs.
EDIT    lets you edit programs you've already written.
RUN     lets you run programs you've already written.
EXIT    closes me.

Click on CREATE to begin.  The screen changes: the list in the middle holds your program, one
line per item, and the row of buttons on the other side (the right of your screen) holds the
special functions.  Whatever you type while the typing box has the focus becomes lines of your
program.  Each ordinary key you press is one line.  ENTER, TAB, the arrows and the function keys
are recorded as their names in braces, like {ENTER} or {F5}.

When you are done, click SAVE and give your program a name.  I keep programs in the folder
C:\TANDREL\PROGRAMS\ and give them the ending .TDX so that I can find them again.

To try your program, click RUN, pick it from the list and watch.  I will bring the window you
told me about to the front and type into it.  While I run, please keep your hands off the
keyboard and the mouse.  I cannot tell your keys from mine.

PRINT will print your program (OR THIS ENTIRE HELP MANUAL!) to your default printer.

A word about this computer.  I run on Linux, in an X11 session or in a Wayland session that
offers XWayland.  Keys and windows need one of those.  In a plain Wayland session without
XWayland, or on a text console, I can still edit and save programs, but I cannot type for you
and I will say so when you try to run.

Drive letters are folders here.  C: is the folder ~/.local/share/tandrel/drive_c unless you set
the environment variable TANDREL_DRIVE_C to another folder before you start me.  Any other letter
works the same way (TANDREL_DRIVE_D and so on).  Z: is the root of your file system, /, so that
Z:\usr\bin\gedit means /usr/bin/gedit.  Letters you have not set up do not exist.

These are the buttons on the other side of the screen.  Each one writes a special line into
your program at the highlighted line.  I call them my special functions:

Clip - Clear         Clears the clipboard
Clip - Paste         Paste the contents of the clipboard
Clip - Wait For     Wait for a certain string in the clipboard

File - Copy          Copy a file to another directory
File - Erase         Erase a file
File - Paste         Paste the contents of the file.
File - Rename     Rename a file
File - Wait For     Wait for the existence of a file.

Focus On             Focus on a window
Notations             Put notes in your programming which do not affect the program.
Run Program       Run a program
Start Again          Loop your program infinitely
Stop - 'Til            Pause until a key is pressed.  A message may be included.  May include stop altogether rather than pause.

Text Paste           Paste text you specify into the window with current focus

Timer - Days       Wait until a specified time during a given day or days of the week
Timer - Date        Wait until a specified time on a given date
Wait/Pause         Wait a number of 10ths of a second 10 = 1 sec, 600 = 1 minute

Your first program, step by step.  We will open a text editor and have me write a line in it.

   1.  Click CREATE.  The program list is empty and the typing box has the focus.
   2.  Click RUN PROGRAM on the other side, type  /usr/bin/gedit  in the box and click
       INSERT INTO PROGRAM (or OK).
       The list now shows  {Run Program}/usr/bin/gedit
   3.  Click WAIT/PAUSE and type  20  for two seconds.  The list shows  {Wait}20
   4.  Click FOCUS ON and type the beginning of the editor's title, such as  Untitled
   5.  Click TEXT PASTE and type  Hello from Tandrel!
   6.  Click SAVE, call the program  My first program  and click SAVE FILE.
   7.  Click TEST and take your hands off the keyboard.

The editor opens, comes to the front, and the words appear in it followed by a new line.
Your program looks like this:

   {Run Program}/usr/bin/gedit
   {Wait}20
   {Focus On}Untitled
   {Text Paste}Hello from Tandrel!

That is all there is to it.  Every other program is more of the same: start something, wait,
bring its window forward, type, and wait again where it needs time.

Sample programs come with me in C:\TANDREL\PROGRAMS\.  Open them with EDIT to see how
they are made, and run them with RUN to see them work.

A bit of advice before you start.

Give the other programs time.  A program that has just been started needs a moment before its
window is ready for keys.  Put a {Wait} line after every {Run Program} line and after any key
that opens a menu or a dialog.  Twenty tenths (two seconds) is a good start on a busy machine.
If keys get lost, wait longer; if everything works, you may shorten the waits later.

Always follow a start with a {Focus On} line.  I type into whatever window is in front.  If
that is not the window you meant, your keys go somewhere else.  {Focus On} brings the right
window forward, and if it cannot find it, I stop and tell you so.

When something goes wrong, I stop at the line that failed and show it to you highlighted in
the program list.  Read the message, fix the line, and run again.  The topic on debugging
further down tells you more.

You may run several of my programs at the same time, and one program can start another.
The topics on multiple programs and on cascading programs explain how.

Click any subject in the red index on the left of your screen to read about it.  Click on this
text to widen it; click the index again to come back.

Creating a New Program
Create
Inserting code

Click CREATE on the upper left of the screen.  If a program is being edited and has changes
you have not saved, I ask first whether you want to save it.  Then the program list is emptied
and you start from a clean page.

The highlighted line of the program list is the insertion point.  A new line always goes in
just above the highlighted line.  When nothing is highlighted, new lines go at the end.
The bar at the bottom of the list is the end of the program: highlight the bar, or click
below the last line, to add lines at the end again.

To insert lines in the middle of a program, click the line that should come after them.  It
becomes highlighted.  Now type, or click a special function button: the new lines go in above
the highlighted line, and the highlight stays where it was.

Each key you press in the typing box becomes one line:

   a letter, digit or sign is a line of one character, such as  a  or  7  or  ?
   a named key is its name in braces, such as {ENTER}, {TAB}, {BACKSPACE}, {DELETE}, {ESC},
   {UP}, {DOWN}, {LEFT}, {RIGHT}, {HOME}, {END}, {PGUP}, {PGDN}, {INSERT}, {F1} to {F16}

A line of two or more characters that does not begin with a brace is not typed when the
program runs.  I leave such lines alone so you can keep words in your program, but use
{Note} for real notes: it is clearer.

Lines with a brace that I do not know are skipped when the program runs.  {Exit} and {EXIT}
are not {eXit}: only {eXit}, spelled exactly so, ends me.

If you prefer, you can type a whole word as one {Text Paste} line.  It is typed in one go and
followed by ENTER, which is quicker to write and easier to read later.

Remember to SAVE when you are done.  Until you do, your program lives only in the list.

Edit
Editing lines

To change a program you wrote before, click EDIT on the upper left and pick the program from
the file panel.  Its lines fill the program list and you can work on them as on a new program.

To change one line, click it once so it is highlighted, wait a moment, and click it again.
This slow second click opens the line for editing in a box above the list.  Change the text
and press ENTER to put it back in its place, or press ESC to leave the line as it was.

A quick double-click is not an edit: it deletes the line.  See the topic on deleting lines.

Helps
Help notes

You are reading them.  The index on the red button on the left of your screen lists every
subject.  Click a subject and the text below it scrolls to that topic and highlights it.
Click the text itself to make it wider so the long lines fit; click elsewhere and it shrinks.

The whole manual can be printed: click PRINT and answer NO to the question.
The notes are built into me.  Nothing is read from a file, so they are always there.

Sending keystrokes
Keyboard
Key functions
Key strokes

Every key I type comes from a line of your program.  A line of one character is typed as that
character.  A line with a named key in braces presses that key.  The special functions do the
rest.

I type through the X server of your session, the same way your keyboard does.  That is why I
need an X11 session or XWayland: a pure Wayland desktop does not let a program type into other
programs' windows.  Characters that are not on your keyboard layout are typed as well; I borrow
a spare key for them for a moment and give it back afterwards.

The named keys and what they press:

   {ENTER}        the Enter key                  {TAB}          the Tab key
   {BACKSPACE}    back space                     {DELETE}       the Delete key
   {ESC}          Escape                         {INSERT}       the Insert key
   {UP}  {DOWN}   the arrow keys up and down     {LEFT} {RIGHT} the arrow keys left and right
   {HOME}  {END}  the start and end of a line    {PGUP} {PGDN}  a page up or down
   {F1} to {F16}  the function keys              {HELP}         the Help key, where there is one
   {CAPSLOCK}     CAPS LOCK                      {NUMLOCK}      NUM LOCK
   {SCROLLLOCK}   SCROLL LOCK                    {PRTSC}        Print Screen
   {BREAK}        Break (Pause)

Names are spelled in capitals, exactly as above.  {F17} and {SPACE} are not names I know, so
such lines are skipped; a blank is typed by a line holding one blank.

ALT key

Click the ALT button to write a line that holds ALT down while it types other keys.  A box
asks for the keys to type while ALT is held.  {ALT}F is ALT and F together, which opens the
File menu in many programs.  {ALT}{F4} closes most windows.  When the line is done, ALT is
let go again, even if something went wrong.

CTRL key

The CTRL button works the same way.  {CTRL}c copies, {CTRL}v pastes, {CTRL}s saves in most
programs.  Use lower-case letters: {CTRL}C would be CTRL and SHIFT and C in some programs.

SHIFT key

The SHIFT button holds SHIFT down for the keys you give it.  {SHIFT}{TAB} moves backwards
through the fields of a dialog.  {SHIFT}{END} selects to the end of a line.  To type capital
letters you do not need it: a line A types a capital A by itself.

SPACE key

The space bar is recorded as a line holding a single blank.  It looks empty in the list, but
it is there; highlight it and you will see the bar is one character wide.

CAPSLOCK

{CAPSLOCK} presses the CAPS LOCK key.  Be careful with it: it stays on after your program ends,
just as it would if you had pressed it yourself.  Press it a second time to turn it off.

NUMLOCK key

{NUMLOCK} presses the NUM LOCK key, with the same caution as CAPS LOCK.  {SCROLLLOCK},
{BREAK}, {PRTSC} and {HELP} work the same way for the keys of those names.

No modifier key is ever left pressed when I stop, whether the program ends, fails, or you
stop it.

Special functions

The buttons on the other side of the screen write these special lines:

Clip - Clear         Clears the clipboard
Clip - Paste         Paste the contents of the clipboard
Clip - Wait For     Wait for a certain string in the clipboard

File - Copy          Copy a file to another directory
File - Erase         Erase a file
File - Paste         Paste the contents of the file.
File - Rename     Rename a file
File - Wait For     Wait for the existence of a file.

Focus On             Focus on a window
Notations             Put notes in your programming which do not affect the program.
Run Program       Run a program
Start Again          Loop your program infinitely
Stop - 'Til            Pause until a key is pressed.  A message may be included.  May include stop altogether rather than pause.

Text Paste           Paste text you specify into the window with current focus

Timer - Days       Wait until a specified time during a given day or days of the week
Timer - Date        Wait until a specified time on a given date
Wait/Pause         Wait a number of 10ths of a second 10 = 1 sec, 600 = 1 minute

Each one is explained under its own subject in the index.  Every special line starts with its
mark in braces, such as {Wait} or {File Copy}, and the rest of the line is what the function
works on.  Marks are spelled exactly: capitals and blanks count.

Clip clear

The line {Clip Clear} empties the clipboard.  Use it before a step that should put something
new on the clipboard, so that a {Clip Wait} afterwards cannot be fooled by old contents.

Example:   {Clip Clear}

Clip paste

The line {Clip Paste} types the text that is on the clipboard into the window in front, just as
if you had typed it.  It does not use the program's own paste command, so it works in windows
that have none.

Example:   {Clip Paste}

Clip wait for

The line {Clip Wait} waits until the clipboard holds text that begins with the words you give.
Blanks around your words are trimmed.  Use it after a copy to be sure the copy has happened.
I keep checking until it is there; to stop waiting, stop the program.

Example:   {Clip Wait}Invoice number

Deleting files
Renaming files
File erase
File renaming
File rename
File copy

These functions work on files.  Paths are written with drive letters and backslashes, as in
C:\TANDREL\PROGRAMS\My program.TDX.  Remember that the drive letters are folders on this
computer: C:\close.txt is the file close.txt in the C: folder (normally
~/.local/share/tandrel/drive_c/close.txt), and Z:\tmp\list.txt is /tmp/list.txt.

{File Erase} erases one file.

Example:   {File Erase}C:\close.txt

{File Rename} gives a file a new name, or moves it.  It takes two paths with the separator
" * " between them: exactly one blank, a star and one blank.

Example:   {File Rename}C:\report.txt * C:\report old.txt

{File Copy} copies a file to another place, with the same separator.  The first path is the
file to copy, the second is the new copy.

Example:   {File Copy}C:\TANDREL\PROGRAMS\Sample Cascade Programs.TDX * C:\close.txt

Without the blanks around the star, a letter is lost from each path and the line fails:
{File Copy}C:\a.txt*C:\b.txt tries to copy C:\a.tx to :\b.txt.  The first path cannot contain
a star.  When a file action fails, I stop and tell you which line it was.

File paste

{File Paste} types the first line of a text file into the window in front.  Only the first
line is used; the rest of the file is ignored.

Example:   {File Paste}C:\address.txt

File wait for

{File Wait} waits until a file exists.  The path must contain a backslash.  One program can
tell another that it is done by creating a file, and the other waits for it.

Example:   {File Wait}C:\close.txt

Deleting lines of code from your program

Double-click a line to delete it.  I keep a copy of the program before every change, so
UNDO brings the line back.  See the topic on undo.

Focus
Focus on
Window w/ Focus
Title
Window
Window title
Focus title
Focus name

I always type into the window that has the focus, the one in front.  To be sure it is the
right one, use the FOCUS ON button.  It asks for the title of the window, the words in the
bar at the top of it.  You may give just the beginning of the title.

Example:   {Focus On}Untitled Document 1 - gedit

When the program runs, I look for a window whose title begins with your words, bring it to
the front and give it the focus.  Capitals count.  If no window has such a title, I wait a
little in case it is still opening; if it never turns up, I stop and tell you.

Window titles often change with the document that is open.  An editor may say
"notes.txt - gedit" for one file and "todo.txt - gedit" for another.  In that case give only
the part that stays the same if it is at the beginning, or open the same document each time.

Several windows may have titles that begin the same way.  Then I take one of them; give more
of the title to tell them apart.

A good habit: after every {Run Program} line, a {Wait} and then a {Focus On} line for the
window the program opens.  After keys that open a dialog, a {Focus On} for the dialog's title.

Notations
Notes in programs
Program notes

A {Note} line holds words for you, not for me.  I skip it when the program runs.  Write what
the next lines are for, so you remember when you edit the program months later.

Example:
{Note}  Since this program does not create the  'C:close.txt'  file it would never shut itself down, but the  'Sample Cascade' program will.

Run
Run program
Running a program
Running programs
Launching a program  (Same as running a program)
Opening a program  (Same as running a program)
Command line

To run a program, click RUN on the upper left and pick it from the file panel.  I go through
its lines from the top, one after another, and do what each says.  When I reach the end, I
stop and show my window again.

While a program runs, leave the keyboard and mouse alone.  If you click somewhere, the focus
moves and my keys land in the wrong place.

The RUN PROGRAM button writes a line that starts another program.  Give the command line:
the program's path and, after it, anything it should get, such as a document to open.

On this computer a program is started by its path in the file system, with the Z: drive for
the root.  Both of these start the text editor gedit:

Example:   {Run Program}/usr/bin/gedit
Example:   {Run Program}Z:\usr\bin\gedit

A name without a folder, such as {Run Program}gedit, is looked for on your PATH, as in a
terminal.  Arguments follow the program after a blank: {Run Program}/usr/bin/gedit /tmp/a.txt.
A path with blanks in it goes in double quotes.  If the program cannot be started, I stop and
say so.

You can also start me from a terminal or a launcher with the name of one of your programs:

   tandrel My program

runs C:\TANDREL\PROGRAMS\My program.TDX at once, without showing the start screen, and ends
when the program is done.  The name is the program's name without .TDX; capitals count.
If there is no such program, I say so and wait for you.

Run Windows Programs
Running Windows Programs
Opening Programs with TDX

Programs written for another system often use {Run Program} with paths like
C:\WINDOWS\NOTEPAD.EXE.  On this computer there is no such file unless you put one there, so
such a line fails and I tell you which one it was.  Change the line to a program that exists
here, for example {Run Program}/usr/bin/gedit instead of Notepad.

You can open a document with the program that your desktop uses for it by running xdg-open:

Example:   {Run Program}/usr/bin/xdg-open Z:\home\me\letter.odt

A few more things to know about starting programs on this computer:

   -  The program starts in the background and I go straight on with the next line.  That is
      why a {Wait} after it is nearly always needed.
   -  Programs that show a window take the focus themselves when they are ready, but not
      always; a {Focus On} line makes sure.
   -  A script works too, if it is executable:  {Run Program}Z:\home\me\bin\backup.sh
   -  A terminal program needs a terminal:  {Run Program}/usr/bin/xterm -e top
   -  Environment variables and shell signs such as  |  >  &  are not understood by the line
      itself.  Put them in a small script and run the script.

My programs end in .TDX.  A file manager can be told to open .TDX files with tandrel, so
that a double-click on a program runs it, the same as the command line above.

Start again

{Start Again} goes back to the first line of the program and runs it all again, for ever.
Use it for a job that repeats, with a {Wait} or a timer inside so it does not race.  To stop a
looping program, use a {Stop} line, or make it wait for a file that another program creates,
or end it with the keys you were told when you started it.

Example:   {Start Again}

Stop 'til

{Stop} pauses the program and shows a box with your message and the buttons OK and Cancel.
OK goes on with the next line; Cancel stops the program altogether.  Blanks around the message
are trimmed.  Use it to let somebody check something before I go on.

Example:   {Stop}  That is the end of this example.

Text paste

{Text Paste} types the words you give into the window that has the focus and then presses
ENTER.  Blanks are typed as they stand.

Example:   {Text Paste}This sample opens an editor, places focus on its window, and then types this line.

Timer Days
Timer Date

The timers make a program wait for a time of day.

{DAYS} waits until a time on one or more days of the week.  Pick the days and the time in the
box; All_Days means every day.  If that time has already passed today, I go on at once.

Example:   {DAYS}Mondays,Fridays, 2:05:00 PM

{DATE} waits until a time on one date.  Pick the year, month, day and time.

Example:   {DATE}2005 - January, 14   4:58:20 PM

Times are hours and minutes, with seconds if you like, and AM or PM if you like: 10:30 PM,
22:30 and 4:58:20 PM are all fine.  12:05 AM is five past midnight.

Wait/Pause
Pause

{Wait} pauses for a number of tenths of a second.  10 is one second, 600 is one minute.

Example:   {Wait}12      waits 1.2 seconds
Example:   {Wait}600     waits one minute

The number must be a whole number; anything else fails when the program runs.  While I wait,
your desktop keeps working, and other programs can finish what they were doing.  Waiting is
the simplest cure for lost keys: programs are often slower to open than you expect.

I also give the window in front a moment to catch up after every line, so most keys need no
wait at all.  Put waits where something has to open or load.

Undo

UNDO puts the program back the way it was before your last change: a deleted line comes back,
an inserted line goes away, an edit is reversed.  One step is kept, so UNDO twice brings back
the change you undid.

Test
Testing programs

TEST runs the program you are editing, right now, without saving it first.  Use it often
while you write.  When a line fails, I stop and highlight that line in the list so you can
fix it and test again.

Start with a short program and test it; add a few lines; test again.  It is much easier to
find a fault in three new lines than in thirty.

Saving programs
Default directory
Directory, default
Path

Click SAVE to keep your program.  The file panel opens: type a name or pick an existing program
to replace it, and click SAVE FILE.  I add .TDX to the name if you leave it out.  DO NOT SAVE
YET takes you back to your program without saving.

My programs live in C:\TANDREL\PROGRAMS\, the default directory.  That is the folder
TANDREL/PROGRAMS inside your C: folder, normally ~/.local/share/tandrel/drive_c.  If you keep
them there, RUN and EDIT find them at once, and the command line can run them by name.

A path is the drive, the folders and the file name, for example
C:\TANDREL\PROGRAMS\Sample Notepad.TDX.  Inside my programs paths use drive letters and
backslashes; I translate them to folders of this computer when the program runs.

Drive selection
Directory selection
File selection

The file panel appears when you SAVE, EDIT or RUN.  There are two ways to use it.

The hard way.  Type the full path and file name in the box at the top, such as
C:\TANDREL\PROGRAMS\My program.TDX, and press ENTER or click the button.

The easy way.  Pick the drive in the drive box, double-click folders in the folder list to
open them, and click a file in the file list.  Its full path appears in the box for you.

Right-click a file in the list to rename or delete it.  A box asks for the new name, or asks
whether you are sure.  Only the drives you have set up appear: C: and Z: unless you added more.

Print
Printing programs
Program print

PRINT will print your program (OR THIS ENTIRE HELP MANUAL!) to your default printer.
I ask: YES prints your program, NO prints all of these help texts, CANCEL prints nothing.
Every line of the program is printed as it stands, one line per line, with special lines
showing their marks and paths.  Long lines are cut at the edge of the page.

I use the default printer of this computer, the one your print system (CUPS) names as default.
If there is no printer, or it refuses the job, I tell you that nothing was printed and why.

How many of my programs can I run at one time?
Multiple programs running

As many as you like.  Each program runs in its own copy of me.  Start one from RUN, another
from the command line with tandrel and its name, and they run side by side.

But remember there is only one keyboard and one focus.  Two programs typing at the same moment
will mix their keys.  Let them take turns: one waits for a file, a time or a clipboard text
while the other works.  {File Wait} and {File Copy} are the simplest way to pass the turn.

Ending a Tandrel program
Quitting a Tandrel program
Cascading Programs
Calling Programs
Exit / eXit
X to exit

A program ends when its last line has run.  If I was started with a program's name, I end too;
otherwise my window comes back.

{eXit}, spelled exactly so, ends me at once, from anywhere in the program.  {Exit} and {EXIT}
are skipped.  Use it at the end of a program that is run by another.

One program can call another: a {Run Program} line that starts tandrel with a program's name.

Example:   {Run Program}/usr/bin/tandrel Sample Notepad

That is a cascade.  The called program runs in its own copy of me while the first one goes
on, so the first one should wait: for a file the second creates, for a clipboard text, or for
a time.  The sample programs show how: one copies itself to C:\close.txt when it is done, and
the other waits for that file and then erases it.

The EXIT word on the upper left and the bar at the top of the start screen end me too.

Debugging

When a line fails, I stop the program, show my window, tell you what went wrong and highlight
the failing line in the program list.  Fix it and TEST again.

If keys go to the wrong place, add a {Focus On} before them.  If keys are lost, add a {Wait}.
Put a {Stop} line where you want to look at the screen before I go on; remove it afterwards.
Run long programs in parts: copy the first half into a new program and test that.

A way to find the line that goes wrong:

   1.  Put a {Stop} line with a short message, such as  {Stop}  Step 1 done, just after the
       first few lines of your program.
   2.  TEST.  When the box appears, look at the screen: is everything as it should be?
   3.  If it is, click OK, and move the {Stop} line further down.  If not, the fault is above.
   4.  When the program works, delete the {Stop} lines with a double-click.

Errors

Errors while programming: I check what you put in the boxes.  A wait that is not a number,
a timer without a day or a time, a path without a name: I say what is missing and let you
correct it before the line is written.

Errors while running: I stop at the line that failed and tell you why.  For example, a window
title that does not exist, a file that cannot be copied or erased, a program that cannot be
started, a wait that is not a number.  Your keys are released and nothing is left pressed.
The message names the line; click OK and it is highlighted so you can fix it.

When I stop a program because of a line, the message begins with the words
"You have an error in your program on line" and the number of the line, and then says what
went wrong with it: the window that could not be found, the file you wish to erase or paste
from that does not exist, the program that would not start.  Click OK and the line is shown.

Lines that I cannot understand at all are not errors: they are skipped.  If a line seems to do
nothing, check its spelling against the examples in these notes.  Capitals and blanks count.

Uninstall Tandrel

To remove me, start me from a terminal with /x:

   tandrel /x

I ask whether you are sure.  OK removes my folder C:\TANDREL with the programs in it and the
shortcuts I made; CANCEL leaves everything as it is.  The program file itself belongs to the package you installed; remove that
package with your package manager.

Troubleshooting ERRORS which may occur while your programming is running:

1 - THE PROGRAM YOU WISH TO RUN DOES NOT OPEN.
    Check the path in the {Run Program} line.  It must exist on this computer; try it in a
    terminal.  Paths from another system such as C:\WINDOWS\NOTEPAD.EXE must be changed.

2 - THE PROGRAM OPENS BUT NOTHING IS TYPED INTO IT.
    Add a {Wait} after {Run Program}, and a {Focus On} with the window's title.

3 - THE KEYS GO INTO THE WRONG WINDOW.
    Another window had the focus.  Add a {Focus On} line before the keys.

4 - SOME KEYS ARE MISSING.
    The program was busy.  Add a {Wait} before the keys that went missing, or wait longer.

5 - {FOCUS ON} SAYS THE WINDOW CANNOT BE FOUND.
    The title is different from what you wrote.  Capitals count.  Give only the beginning.

6 - NOTHING HAPPENS AT ALL WHEN I RUN.
    I need an X11 session or XWayland.  In a pure Wayland session or a console I cannot type.

7 - A FILE FUNCTION FAILS.
    Check the drive letter and the " * " between the two paths, one blank on each side.

8 - MY PROGRAM NEVER ENDS.
    It may be waiting for a file, a clipboard text or a time.  Or it has {Start Again}.

9 - THE CAPS LOCK LIGHT STAYS ON.
    Your program pressed {CAPSLOCK} once.  Press CAPS LOCK yourself to turn it off.
    If CAPS LOCK is on when a program starts, letters come out in the wrong case.  Turn
    it off before you run.

10 - I TRIED TO USE MY COMPUTER WHILE RUNNING MY TANDREL PROGRAM AND NOTHING WORKED RIGHT.
    Of course not.  We were both typing.  Wait until I am done, or stop the program first.

Warranty:

I am provided as is, without warranty of any kind, either expressed or implied, including
but not limited to the implied warranties of merchantability and fitness for a particular
purpose.  The whole risk as to what your programs do is yours.  Test them before you trust
them, especially programs that erase or rename files.  In no event shall the authors be
liable for any damages arising out of the use of, or the inability to use, this program.
Grüße and thanks for using me.
<< END OF HELPS >>)manual";

} // namespace

QStringList helpManualLines() {
    return QString::fromUtf16(manualText).split(u'\n');
}

} // namespace tandrel
