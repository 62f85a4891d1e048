#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"
#include "document/document_change.h"
#include "document/recovery_copy_writer.h"
#include "image/background_import.h"
#include "image/picture_import.h"
#include "layout/layout_history.h"
#include "layout/placement_editor.h"
#include "layout/placement_effects.h"
#include "layout/placement_state.h"
#include "project/recovery_files.h"
#include "skin/database_info_texts.h"
#include "skin/skin_database_writer.h"

namespace vorlune {

// The placement text after a click on the canvas while no background is loaded.
inline constexpr std::string_view kImportBackgroundFirstText = "先に背景画像を取り込んでください";

// What only a view can do after a placement event, in this order: show the
// message (a "Warning" box), then run the property dialog of the kind on the
// row's colours (Layout().part(k).colors) and hand the answer to
// SkinDocument::CompletePropertyDialog.
struct PlacementReply {
  std::optional<UserMessage> message;
  std::optional<PartKind> propertyDialog;
};

// Where a loaded layout came from: a skin names the window title, but Save
// asks for a project name and never writes over the skin.
enum class LoadedFrom { Project, Skin };

// One skin being edited: the layout, the placement of parts with the mouse and
// keys, the undo history, the project path, the unsaved mark and the recovery
// copy. Every operation records its change in the history itself and, once the
// layout is settled, brings the recovery copy in line: written while there is
// unsaved work on a background, removed otherwise. Views subscribe to one
// notification, sent once after each operation that changed anything.
//
// Texts the document hands out (placement text, messages) are the editor's
// Japanese ones; views translate them. Database texts are CP932 bytes.
class SkinDocument {
 public:
  // Without a writer no recovery copy is ever written (command line, tests).
  explicit SkinDocument(std::unique_ptr<RecoveryCopyWriter> recovery = nullptr);
  // Ends the work cleanly, as Close does.
  ~SkinDocument();
  SkinDocument(const SkinDocument&) = delete;
  SkinDocument& operator=(const SkinDocument&) = delete;

  // ---- Notifications -------------------------------------------------------
  using Listener = std::function<void(const DocumentChange&)>;
  // Returns an id for Unsubscribe. Listeners may unsubscribe while notified.
  int Subscribe(Listener listener);
  void Unsubscribe(int id);

  // ---- State ---------------------------------------------------------------
  const SkinLayout& Layout() const { return layout_; }
  const PlacementState& Placement() const { return placement_; }
  // A part is being placed or moved: the placement keys apply.
  bool Placing() const { return IsPartKind(placement_.currentKind); }
  // Enabled state of each part button (index = kind; entry 0 unused).
  PartButtonStates PartButtons() const;
  // The indicator line, UTF-8 Japanese ("再生ボタンを配置します"); empty when idle.
  const std::string& PlacementText() const { return placementText_; }
  // The project file last saved or loaded (or the one restored work came
  // from); empty before either and after loading a skin.
  const std::filesystem::path& ProjectPath() const { return projectPath_; }
  // The file the window title names: the project path, or a loaded skin.
  const std::filesystem::path& TitlePath() const { return titlePath_; }
  bool Modified() const { return history_.Modified(); }
  std::optional<LayoutAction> UndoAction() const { return history_.UndoAction(); }
  std::optional<LayoutAction> RedoAction() const { return history_.RedoAction(); }
  const LayoutHistory& History() const { return history_; }
  // The writer given at construction, or null.
  const RecoveryCopyWriter* Recovery() const { return recovery_.get(); }
  // The kind whose property dialog a reply asked for and that is not yet completed.
  std::optional<PartKind> PendingDialog() const { return pendingDialog_; }

  // ---- Background ----------------------------------------------------------
  // Puts a converted picture in as the Image command does, one undoable step
  // ("背景画像の読み込み"). A part lifted for a move is let go first, as its
  // own step, so that undoing the import brings back the picture alone. Gives
  // the conversion's warnings for the view to show.
  std::vector<UserMessage> InstallBackground(ImportedBackground imported);
  // Checks, converts and installs the bytes of a BMP file (the exact import),
  // or any supported picture with the options. The messages to show after it:
  // the reduction notice when due, then the warnings. Nothing changes on refusal.
  Result<std::vector<UserMessage>> ImportBmp(std::span<const std::uint8_t> file);
  Result<std::vector<UserMessage>> ImportPicture(std::span<const std::uint8_t> file,
                                                 const PictureImportOptions& options);

  // ---- Files ---------------------------------------------------------------
  // Starts afresh on a layout read elsewhere: idle, a new history, nothing
  // unsaved, no recovery copy. The file chosen last for Save or Create stays.
  void LoadLayout(SkinLayout layout, const std::filesystem::path& path,
                  LoadedFrom from = LoadedFrom::Project);
  // The Load command on a project file: read and checked whole first, so a
  // refusal leaves the document as it was.
  Status LoadProject(const std::filesystem::path& path);
  // The Load command on a skin database, loaded as the project it was made
  // from. A skin this editor did not make is loaded only when `openForeign`
  // (asked only then; null counts as no) agrees. True when loaded, false when
  // declined; the refusal of a damaged file otherwise.
  Result<bool> LoadSkin(const std::filesystem::path& path, const std::function<bool()>& openForeign);
  // Work restored from a recovery copy: loaded as Load does, but unsaved (its
  // file does not hold it), and named after its original project if any.
  void RestoreRecovered(RecoveredWork work);
  // The Save command after its file dialog: the layout as recorded (a part
  // lifted for a move where it stood) written atomically; then the path is the
  // project path, nothing is unsaved and the recovery copy goes. Refused
  // without a background; a failed write changes nothing.
  Status Save(const std::filesystem::path& path);
  // The skin database of the layout as it stands. `databaseName` is the file
  // name in CP932 (see DatabaseNameFromFileName). The Create checks
  // (CheckPlayAndStopPlaced, CheckInfoTexts) are the caller's, at its moments.
  Result<std::vector<std::uint8_t>> BuildSkin(std::string_view databaseName,
                                              const UnixClock& clock = SystemUnixSeconds) const;
  // Builds the skin and writes it atomically to `path`.
  Status CreateSkin(const std::filesystem::path& path, std::string_view databaseName,
                    const UnixClock& clock = SystemUnixSeconds);
  // The window closes with nothing left to keep: the recovery copy goes.
  void Close();

  // ---- Placement with the mouse (points in skin pixels) -----------------------
  // A part button; presses of a disabled button are ignored.
  PlacementReply PressPartButton(PartKind k);
  // Puts the current part down, or lifts the placed part under the point.
  // Before any background: only the placement text kImportBackgroundFirstText.
  PlacementReply LeftButtonDown(SkinPoint point);
  void MouseMove(SkinPoint point);
  // Lets the current part go (a lifted part is removed), or asks for the
  // property dialog of the placed part under the point.
  PlacementReply RightButtonDown(SkinPoint point);
  // The answer of the dialog a reply asked for: the chosen colours (OK) or
  // none (Cancel: the row keeps its colours). A new part and its colours are
  // one step ("部品の配置"); a re-colouring of a placed part is "色の変更".
  // Any other operation first completes a pending dialog as cancelled.
  void CompletePropertyDialog(PartKind k, std::optional<ColorTriple> chosen);
  // A part being placed or lifted is let go as a right click does.
  void EndPlacement();

  // ---- Placement with the keys (only while Placing()) -------------------------
  // The preview steps this far per arrow key, and with Shift.
  static constexpr int kKeyStep = 2;
  static constexpr int kShiftKeyStep = 10;
  // Moves the preview by (dx, dy) skin pixels, stopping at the canvas edge;
  // without a preview it appears at the canvas centre.
  void KeyMove(int dx, int dy);
  // Enter or Space: puts the part down where the preview stands (or at the centre).
  PlacementReply KeyPutDown();
  // Escape: lets the part go.
  void KeyLetGo();

  // ---- Direct edits (command line, scripts) ---------------------------------
  // Places kind k with its top-left corner at skin pixel (x, y), with the
  // given colours or those the property dialog hands back on a plain OK. The
  // rules of a click hold; a refusal changes nothing and says why.
  Status PlacePart(PartKind k, int x, int y, std::optional<ColorTriple> colors = std::nullopt);
  // Takes a placed part off the background; it keeps its colours.
  Status RemovePart(PartKind k);
  // Sets the colours of row k (1..30) as a property dialog's OK does.
  void SetColors(PartKind k, const ColorTriple& colors);
  // The database information dialog's OK: texts as CP932 bytes, each cut to
  // its field (StoreInfoTexts). See TypedTitle & co. for UTF-8 input.
  void SetDatabaseTexts(const InfoTexts& cp932);
  // The three text fields of `edited` byte for byte: what the information
  // dialog (RequestDatabaseInfo) left in a copy of Layout(). No step when equal.
  void SetDatabaseFields(const SkinLayout& edited);

  // ---- History ---------------------------------------------------------------
  // A part being placed or lifted is let go first (its own step).
  void Undo();
  void Redo();

 private:
  class Operation;
  friend class Operation;
  struct Snapshot;

  Snapshot Take() const;
  void Finish(const Snapshot& before);
  void Notify(const DocumentChange& change);
  // Applies the layout editor's effects; records the dialog it asks for.
  PlacementReply Apply(const PlacementEffects& effects);
  void AddArea(const ClientRect& client);
  // Records the layout as a history step once it is settled.
  void Record();
  void SettleDialog();
  void BackgroundReplaced();
  void UpdateRecoveryCopy();
  PlacementReply ClientLeftButtonDown(ClientPoint point);
  void ClientMouseMove(ClientPoint point);
  ClientPoint KeyPoint() const;

  SkinLayout layout_ = NewSkinLayout();
  PlacementState placement_;
  PlacementEditor editor_{layout_, placement_};
  LayoutHistory history_{layout_};
  std::unique_ptr<RecoveryCopyWriter> recovery_;
  std::filesystem::path projectPath_;
  std::filesystem::path titlePath_;
  std::string placementText_;
  std::optional<PartKind> pendingDialog_;

  // Change tracking: operations nest; the outermost one notifies.
  int depth_ = 0;
  std::uint64_t historyVersion_ = 0;
  std::uint64_t backgroundVersion_ = 0;
  std::vector<SkinRect> areas_;
  std::map<int, Listener> listeners_;
  int nextListener_ = 1;
};

}  // namespace vorlune
