# Stored settings of the main window and its controls, one [section] per
# control, named by its object name. Format: see src/platform/FormData.h.
# The window's own section holds its size. Left, Top, Width and Height are
# pixels, counted from the control's parent (ListView1 lies in Frame1, Combo1
# in Frame2); every other key belongs to an owner-drawn control's own stored
# properties.

[Form1]
Width = 640
Height = 328

[Frame1]
Left = 8
Top = 0
Width = 441
Height = 289

[ListView1]
Left = 8
Top = 24
Width = 425
Height = 257

[Frame2]
Left = 456
Top = 0
Width = 177
Height = 73

[Combo1]
Left = 8
Top = 32
Width = 161
Height = 24

[Label2]
Left = 520
Top = 248
Width = 65
Height = 33

[Text1]
Left = 8
Top = 296
Width = 369
Height = 25

[Label3]
Left = 472
Top = 304
Width = 73
Height = 17

# Below the client area, never shown.
[prgZip]
Left = 8
Top = 512
Width = 200
Height = 21

[Label1]
Left = 528
Top = 512
Width = 153
Height = 33

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
