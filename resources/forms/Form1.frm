# Stored settings of the main window's controls, one [section] per control.
# Format: see src/platform/FormData.h. Left, Top, Width and Height are pixels;
# every other key belongs to the control's own stored properties.

[XP_ProgressBar1]
Font = Font("MS Sans Serif", 8.25, Bold=False, Italic=False, Underline=False, Charset=0)
BrushStyle = 0
Color = &HFFFFFF
Scrolling = 1
Left = 456
Top = 80
Width = 177
Height = 17

# The buttons: BlueGradient look on the system colours, as designed.
[chameleonButton1]
Left = 456
Top = 104
Width = 177
Height = 49
btype = 3
tx = "Start"
enab = True
font = Font("MS Sans Serif", 9.75, Bold=False, Italic=False, Underline=False, Charset=0)
coltype = 1
focusr = True
bcol = &HD8E9EC
bcolo = &HD8E9EC
fcol = &H0
fcolo = &H0
mcol = &HFFFFFF
mptr = 1
micon = Nothing
picn = Picture(":/pictures/start.png")
umcol = True
soft = False
picpos = 0
ngrey = False
fx = 0
hand = False
check = False
value = False

[chameleonButton3]
Left = 456
Top = 184
Width = 177
Height = 49
btype = 3
tx = "Output"
enab = True
font = Font("MS Sans Serif", 9.75, Bold=False, Italic=False, Underline=False, Charset=0)
coltype = 1
focusr = True
bcol = &HD8E9EC
bcolo = &HD8E9EC
fcol = &H0
fcolo = &H0
mcol = &HFFFFFF
mptr = 1
micon = Nothing
picn = Picture(":/pictures/output.png")
umcol = True
soft = False
picpos = 0
ngrey = False
fx = 0
hand = False
check = False
value = False

[chameleonButton5]
Left = 384
Top = 296
Width = 81
Height = 25
btype = 3
tx = "Browse..."
enab = True
font = Font("MS Sans Serif", 9.75, Bold=False, Italic=False, Underline=False, Charset=0)
coltype = 1
focusr = True
bcol = &HD8E9EC
bcolo = &HD8E9EC
fcol = &H0
fcolo = &H0
mcol = &HFFFFFF
mptr = 1
micon = Nothing
picn = Picture(":/pictures/browse.png")
umcol = True
soft = False
picpos = 0
ngrey = False
fx = 0
hand = False
check = False
value = False

[chameleonButton2]
Left = 552
Top = 296
Width = 81
Height = 25
btype = 3
tx = "Clear"
enab = True
font = Font("MS Sans Serif", 9.75, Bold=False, Italic=False, Underline=False, Charset=0)
coltype = 1
focusr = True
bcol = &HD8E9EC
bcolo = &HD8E9EC
fcol = &H0
fcolo = &H0
mcol = &HC0C0C0
mptr = 1
micon = Nothing
umcol = True
soft = False
picpos = 0
ngrey = False
fx = 0
hand = False
check = False
value = False
