#pragma once
// Owner-drawn push button with fourteen looks, four colour schemes, pictures and
// caption effects. The widget holds the state; the looks in ButtonLooks.h draw
// it into a persistent image that paintEvent shows.
//
// The members are defined a job a file: chameleonButton.cpp (set-up and the
// methods), Properties, Bag (stored settings), Geometry, Paint, Input, Window
// and Announce (assistive technology).
#include "ButtonAccessibleState.h"
#include "ButtonDrawing.h"
#include "ColorValue.h"
#include "FontObject.h"
#include "Picture.h"
#include "PropertyBag.h"
#include "Rect.h"

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <cstdint>

class chameleonButton : public QWidget {
    Q_OBJECT
public:
    // ButtonType values.
    enum Look : int32_t {
        Outlined3D = 1, Standard3D, BlueGradient, RoundedLight, FlatFramed, LightBevel,
        ThinRaised, HoverThin, HoverFill, PictureOnly, Transparent, Hover3D, Oval,
        HighlightGradient
    };
    // ColorScheme values.
    enum Scheme : int32_t { SystemColors = 1, CustomColors, ClassicGrey, ContainerColors };

    explicit chameleonButton(QWidget* parent = nullptr);
    ~chameleonButton() override;

    // --- properties, in the order of the control's interface ------------------
    uint32_t BackColor() const { return props_.backColor; }
    void SetBackColor(uint32_t value);
    uint32_t BackOver() const { return props_.backOver; }
    void SetBackOver(uint32_t value);
    uint32_t ForeColor() const { return props_.foreColor; }
    void SetForeColor(uint32_t value);
    uint32_t ForeOver() const { return props_.foreOver; }
    void SetForeOver(uint32_t value);
    uint32_t MaskColor() const { return props_.maskColor; }
    void SetMaskColor(uint32_t value);
    int32_t ButtonType() const { return props_.buttonType; }
    void SetButtonType(int32_t value);
    QString Caption() const { return props_.caption; }
    void SetCaption(const QString& caption);
    bool Enabled() const { return props_.enabled; }
    void SetEnabled(bool enabled);
    FontObject Font() const { return props_.font; }
    void SetFont(const FontObject& font);
    bool FontBold() const { return props_.font.Bold(); }
    void SetFontBold(bool value);
    bool FontItalic() const { return props_.font.Italic(); }
    void SetFontItalic(bool value);
    bool FontUnderline() const { return props_.font.Underline(); }
    void SetFontUnderline(bool value);
    int16_t FontSize() const;
    void SetFontSize(int16_t points);
    QString FontName() const { return props_.font.Name(); }
    void SetFontName(const QString& name);
    int32_t ColorScheme() const { return props_.colorScheme; }
    void SetColorScheme(int32_t value);
    bool ShowFocusRect() const { return props_.showFocusRect; }
    void SetShowFocusRect(bool value);
    int16_t MousePointer() const { return props_.mousePointer; }
    void SetMousePointer(int16_t code);
    PicturePtr MouseIcon() const { return props_.mouseIcon; }
    void SetMouseIcon(PicturePtr icon);
    bool HandPointer() const { return props_.handPointer; }
    void SetHandPointer(bool value);
    QWidget* hwnd() { return this; }
    bool SoftBevel() const { return props_.softBevel; }
    void SetSoftBevel(bool value);
    PicturePtr PictureNormal() const { return props_.pictureNormal; }
    void SetPictureNormal(PicturePtr picture);
    PicturePtr PictureOver() const { return props_.pictureOver; }
    void SetPictureOver(PicturePtr picture);
    int32_t PicturePosition() const { return props_.picturePosition; }
    void SetPicturePosition(int32_t value);
    bool UseMaskColor() const { return props_.useMaskColor; }
    void SetUseMaskColor(bool value);
    bool UseGreyscale() const { return props_.useGreyscale; }
    void SetUseGreyscale(bool value);
    int32_t SpecialEffect() const { return props_.specialEffect; }
    void SetSpecialEffect(int32_t value);
    bool CheckBoxBehaviour() const { return props_.checkBoxBehaviour; }
    void SetCheckBoxBehaviour(bool value);
    bool Value() const { return props_.value; }
    void SetValue(bool value);
    QString Version() const { return QStringLiteral("2.0.6"); }

    // --- methods ----------------------------------------------------------------
    void Refresh();
    void DisableRefresh();

    // --- stored settings --------------------------------------------------------
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // --- what the container tells the control (its ambient values) -------------
    // Design mode (user mode off) makes the colour setters carry over to the
    // hover colours and look 5 set a bold font.
    void SetUserMode(bool userMode) { userMode_ = userMode; }
    bool UserMode() const { return userMode_; }
    // The container shows this button as its default button.
    void SetDisplayAsDefault(bool value);
    bool DisplayAsDefault() const { return lookState_.displayAsDefault; }
    // The caption's access key was typed (Alt+key delivered by the window).
    void AccessKeyPress();
    // The lower-case access key of the caption, or a null QChar.
    QChar AccessKey() const { return accessKey_; }
    // Pressed, checkable and checked as assistive technology is told them.
    button::AccessibleStateBits AccessibleState() const;

    // --- what tests and tools read ----------------------------------------------
    // The image the control last drew (what its window shows), at the
    // screen's device pixel ratio.
    const QImage& Surface() const { return surface_; }
    bool IsHovered() const { return lookState_.hovered; }
    int LastDrawnState() const { return lookState_.drawnState; }
    const button::Palette& CurrentPalette() const { return palette_; }
    const button::Layout& CurrentLayout() const { return geometry_.layout; }
    Rect FocusRect() const { return geometry_.focusRect; }
    int PictureWidthPixels() const { return geometry_.pictureWidth; }
    int PictureHeightPixels() const { return geometry_.pictureHeight; }
    QTimer& OverTimer() { return overTimer_; }

    // Redraw(state, force): state 0 up or 2 pressed; without force a drawing is
    // skipped when neither the state nor the caption changed.
    void Redraw(int state, bool force);
    // The ambient-change handling: derive the palette again and redraw.
    void AmbientChanged();

signals:
    void Click();
    void MouseDown(short& Button, short& Shift, float& X, float& Y);
    void MouseMove(short& Button, short& Shift, float& X, float& Y);
    void MouseUp(short& Button, short& Shift, float& X, float& Y);
    void KeyPress(short& KeyAscii);
    void KeyDown(short& KeyCode, short& Shift);
    void KeyUp(short& KeyCode, short& Shift);
    void MouseOver();
    void MouseOut();
    // Not an event of the control: tells the container that a stored property changed.
    void PropertyChanged(const QString& key);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void DerivePalette();
    button::Palette PaletteFrom(uint32_t back) const;
    void LayOut();
    button::Layout LayOutWith(const FontObject& font) const;
    void MeasurePicture();
    void ResizeProcedure();
    void CopyBackground();
    void Render(); // the look into surface_, at the screen's ratio
    void ApplyPointer();
    void ApplyHandPointerRule();
    void DeriveAccessKey();
    void MarkChanged(const char* key) { emit PropertyChanged(QString::fromLatin1(key)); }
    void FontChanged();
    bool PointerOverUs(const QPointF& position) const;
    void HoverStart();
    void HoverEnd();
    void OverTimerTick();
    void ClickFromSystem();
    void SpaceClick();
    void NotifyAccessibleState();
    void NotifyAccessibleName();

    button::ButtonProperties props_;
    button::ButtonGeometry geometry_;

    // Ambient values.
    bool userMode_ = true;

    // Internal state.
    button::LookState lookState_; // hovered, focused, shown as default, drawn state
    int lastButton_ = 0;  // 1 left, 2 right, 4 middle
    int lastKey_ = 0;     // virtual-key code
    QString lastCaption_;
    int lastCaptionState_ = 0;
    bool drawingEnabled_ = true;
    bool resizeGuard_ = false;
    Qt::MouseButton pressButton_ = Qt::NoButton; // the press a release may complete into a click
    bool afterDoubleClick_ = false;
    int shortcutId_ = 0;
    QChar accessKey_;
    QImage surface_;
    QImage background_; // style 11: the parent's pixels under the control
    button::Palette palette_;
    QTimer overTimer_;
    // What assistive technology was last told (or would have been while hidden).
    button::AccessibleStateBits announcedState_;
    QString announcedCaption_;
};
