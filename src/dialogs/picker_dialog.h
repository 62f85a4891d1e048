#pragma once

#include <QBoxLayout>
#include <QDialog>
#include <QLabel>
#include <QMargins>
#include <QPushButton>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "checks/picker_contrast.h"
#include "dialogs/palette_row.h"
#include "dialogs/picture_view.h"
#include "layout/skin_layout.h"

namespace vorlune {

// A row of a palette picker and the room above its strip, in pixels at the
// default font: row i edits entry i of the colours.
struct PickerRow {
  const char* label;  // UTF-8
  int gapAbove;       // between the label and what is above it
  int labelHeight;    // from the top of the label to the strip
};

// What distinguishes one property dialog from another. Its distances keep the
// look the dialogs have always had at the default font; a larger font or a
// longer text moves things apart, never closer.
struct PickerDialogContents {
  const char* title;  // UTF-8
  QMargins margins;
  int labelIndent;      // from the left margin
  int rowIndent;        // of the colour squares, from the left margin
  int pictureRightGap;  // between the part picture and the right margin
  std::span<const PickerRow> rows;
  int okGap;  // above OK
  int width;  // of the dialog at the default font
};

// A click that lands on a swatch: which row and which picker index.
struct PickerHit {
  int row;
  int index;
};

// The dialog of a part's colours: the kind's part picture at the top right,
// under it one palette row per colour, each under its name, and OK. A left
// click on a swatch makes it the row's colour and repaints the row's square at
// once. OK or Enter accept, Escape rejects. With contrast marks, the swatches
// that stand out enough from the background under the part carry a check, and
// a line under the rows gives the contrast of the colours held.
class PickerDialog : public QDialog {
  Q_OBJECT

 public:
  // The swatch under a point of the dialog, as the strips lie now.
  std::optional<PickerHit> SwatchAt(QPoint point) const;
  // The middle of a swatch in dialog coordinates.
  QPoint SwatchCenter(int row, int index) const;

  PaletteRow* Row(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
  QPushButton* OkButton() const { return ok_; }

  // The contrast of each picker colour with the background under the part, as
  // PickerContrast gives it; none (the default) shows neither marks nor the
  // line, and leaves the dialog as it has always been.
  void SetContrastMarks(const std::optional<std::array<ContrastMark, 16>>& marks);
  // The tooltip over swatch `index`: its colour and, with marks, its contrast.
  QString SwatchToolTip(int index) const;
  // The line under the rows; made by the first marks, null before.
  QLabel* ContrastLine() const { return contrastLine_; }

 protected:
  PickerDialog(const PickerDialogContents& contents, QWidget* parent);

  // Whether the strips choose colours.
  virtual bool PickerActive() const { return true; }
  // Sets the controls from the members each time the dialog is shown.
  virtual void UpdateControls() {}

  // Where subclasses put controls: left of the part picture, and under the rows.
  QVBoxLayout* HeaderSlot() const { return header_; }
  QVBoxLayout* FooterSlot() const { return footer_; }

  // Shows the colours held in the rows, repainting their squares at once.
  void ShowColors();
  // Makes `index` the colour of a row (when the picker is active).
  void ChooseColor(int row, int index);

  void mousePressEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

  PartKind kind_ = kNoKind;
  ColorTriple colors_{kNoColor, kNoColor, kNoColor};

 private:
  QVBoxLayout* header_;
  QVBoxLayout* footer_;
  PictureView* partPicture_;
  std::vector<PaletteRow*> rows_;
  QPushButton* ok_;
  // Under the rows; empty, and so taking no room, until marks come.
  QVBoxLayout* contrastSlot_;
  int labelIndent_;
  QLabel* contrastLine_ = nullptr;
  std::optional<std::array<ContrastMark, 16>> marks_;

  void ShowContrastLine();
};

}  // namespace vorlune
