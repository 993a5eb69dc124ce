#pragma once
// Owner-drawn push button with fourteen looks, four colour schemes, pictures and
// caption effects. The widget holds the state; the looks in ButtonLooks.h draw
// it into a persistent image that paintEvent shows.
#include "ButtonLayout.h"
#include "ButtonPalette.h"
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
    uint32_t BackColor() const { return backColor_; }
    void SetBackColor(uint32_t value);
    uint32_t BackOver() const { return backOver_; }
    void SetBackOver(uint32_t value);
    uint32_t ForeColor() const { return foreColor_; }
    void SetForeColor(uint32_t value);
    uint32_t ForeOver() const { return foreOver_; }
    void SetForeOver(uint32_t value);
    uint32_t MaskColor() const { return maskColor_; }
    void SetMaskColor(uint32_t value);
    int32_t ButtonType() const { return buttonType_; }
    void SetButtonType(int32_t value);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    FontObject Font() const { return font_; }
    void SetFont(const FontObject& font);
    bool FontBold() const { return font_.Bold(); }
    void SetFontBold(bool value);
    bool FontItalic() const { return font_.Italic(); }
    void SetFontItalic(bool value);
    bool FontUnderline() const { return font_.Underline(); }
    void SetFontUnderline(bool value);
    int16_t FontSize() const;
    void SetFontSize(int16_t points);
    QString FontName() const { return font_.Name(); }
    void SetFontName(const QString& name);
    int32_t ColorScheme() const { return colorScheme_; }
    void SetColorScheme(int32_t value);
    bool ShowFocusRect() const { return showFocusRect_; }
    void SetShowFocusRect(bool value);
    int16_t MousePointer() const { return mousePointer_; }
    void SetMousePointer(int16_t code);
    PicturePtr MouseIcon() const { return mouseIcon_; }
    void SetMouseIcon(PicturePtr icon);
    bool HandPointer() const { return handPointer_; }
    void SetHandPointer(bool value);
    QWidget* hwnd() { return this; }
    bool SoftBevel() const { return softBevel_; }
    void SetSoftBevel(bool value);
    PicturePtr PictureNormal() const { return pictureNormal_; }
    void SetPictureNormal(PicturePtr picture);
    PicturePtr PictureOver() const { return pictureOver_; }
    void SetPictureOver(PicturePtr picture);
    int32_t PicturePosition() const { return picturePosition_; }
    void SetPicturePosition(int32_t value);
    bool UseMaskColor() const { return useMaskColor_; }
    void SetUseMaskColor(bool value);
    bool UseGreyscale() const { return useGreyscale_; }
    void SetUseGreyscale(bool value);
    int32_t SpecialEffect() const { return specialEffect_; }
    void SetSpecialEffect(int32_t value);
    bool CheckBoxBehaviour() const { return checkBoxBehaviour_; }
    void SetCheckBoxBehaviour(bool value);
    bool Value() const { return value_; }
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
    bool DisplayAsDefault() const { return displayAsDefault_; }
    // The caption's access key was typed (Alt+key delivered by the window).
    void AccessKeyPress();
    // The lower-case access key of the caption, or a null QChar.
    QChar AccessKey() const { return accessKey_; }

    // --- what tests and tools read ----------------------------------------------
    // The image the control last drew (what its window shows).
    const QImage& Surface() const { return surface_; }
    bool IsHovered() const { return hovered_; }
    int LastDrawnState() const { return lastState_; }
    const button::Palette& CurrentPalette() const { return palette_; }
    const button::Layout& CurrentLayout() const { return layout_; }
    Rect FocusRect() const { return focusRect_; }
    int PictureWidthPixels() const { return pictureWidth_; }
    int PictureHeightPixels() const { return pictureHeight_; }
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
    void ApplyPointer();
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

    // Properties.
    uint32_t backColor_;
    uint32_t backOver_;
    uint32_t foreColor_;
    uint32_t foreOver_;
    uint32_t maskColor_ = 0xC0C0C0;
    int32_t buttonType_ = Standard3D;
    QString caption_;
    bool enabled_ = true;
    FontObject font_;
    int32_t colorScheme_ = SystemColors;
    bool showFocusRect_ = true;
    int16_t mousePointer_ = 0;
    PicturePtr mouseIcon_;
    bool handPointer_ = false;
    bool softBevel_ = false;
    PicturePtr pictureNormal_;
    PicturePtr pictureOver_;
    int32_t picturePosition_ = 0;
    bool useMaskColor_ = true;
    bool useGreyscale_ = false;
    int32_t specialEffect_ = 0;
    bool checkBoxBehaviour_ = false;
    bool value_ = false;

    // Ambient values.
    bool userMode_ = true;
    bool displayAsDefault_ = false;

    // Internal state.
    int width_ = 0;
    int height_ = 0;
    bool hovered_ = false;
    bool focused_ = false;
    int lastButton_ = 0;  // 1 left, 2 right, 4 middle
    int lastKey_ = 0;     // virtual-key code
    int lastState_ = 0;   // 0 up, 2 pressed
    QString lastCaption_;
    bool lastCaptionDrawn_ = false; // nothing drawn yet: the first redraw always draws
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
    button::Layout layout_;
    button::Layout boldLayout_;
    Rect focusRect_;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    QTimer overTimer_;
};
