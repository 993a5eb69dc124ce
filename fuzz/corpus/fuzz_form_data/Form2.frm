# Stored settings of the output name dialog and its controls, one [section]
# per control, named by its object name. Format: see src/platform/FormData.h.
# The window's own section holds its size. Left, Top, Width and Height are
# pixels; every other key belongs to an owner-drawn control's own stored
# properties.

[Form2]
Width = 330
Height = 83

[Label2]
Left = 8
Top = 16
Width = 65
Height = 25

[Text2]
Left = 80
Top = 16
Width = 241
Height = 25

# The buttons: BlueGradient look on the system colours, as designed.
[chameleonButton2]
Left = 104
Top = 48
Width = 89
Height = 25
btype = 3
tx = "Cancel"
enab = True
font = Font("MS Sans Serif", 8.25, Bold=False, Italic=False, Underline=False, Charset=0)
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

[chameleonButton1]
Left = 232
Top = 48
Width = 89
Height = 25
btype = 3
tx = "OK"
enab = True
font = Font("MS Sans Serif", 8.25, Bold=False, Italic=False, Underline=False, Charset=0)
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
