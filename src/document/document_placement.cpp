// The placement events of a SkinDocument: mouse, keys and property dialogs.
#include "document/document_operation.h"
#include "layout/placement_rules.h"

namespace vorlune {

namespace {

ClientPoint ToClient(SkinPoint point) {
  return {point.x + kCanvasOrigin, point.y + kCanvasOrigin};
}

// The client point under which the preview of kind k stands at `at`.
ClientPoint PointOver(PartKind k, CanvasPoint at) {
  return {at.x + kCanvasOrigin + KindInfo(k).width / 2, at.y + kCanvasOrigin + KindInfo(k).height / 2};
}

}  // namespace

PlacementReply SkinDocument::Apply(const PlacementEffects& effects) {
  if (effects.placementText) placementText_ = std::string(*effects.placementText);
  for (const ClientRect& area : effects.invalidate) AddArea(area);
  if (effects.propertyDialog) pendingDialog_ = effects.propertyDialog;
  return {effects.message, effects.propertyDialog};
}

void SkinDocument::AddArea(const ClientRect& client) {
  const SkinRect area{std::max(client.left - kCanvasOrigin, 0), std::max(client.top - kCanvasOrigin, 0),
                      std::min(client.right - kCanvasOrigin, kCanvasSize),
                      std::min(client.bottom - kCanvasOrigin, kCanvasSize)};
  // The indicator lies beside the skin: it follows the Placement aspect.
  if (area.left >= area.right || area.top >= area.bottom) return;
  if (std::find(areas_.begin(), areas_.end(), area) == areas_.end()) areas_.push_back(area);
}

PlacementReply SkinDocument::PressPartButton(PartKind k) {
  Operation operation(*this);
  SettleDialog();
  const PlacementReply reply = Apply(editor_.PressPartButton(k));
  Record();
  return reply;
}

PlacementReply SkinDocument::LeftButtonDown(SkinPoint point) {
  Operation operation(*this);
  SettleDialog();
  return ClientLeftButtonDown(ToClient(point));
}

PlacementReply SkinDocument::ClientLeftButtonDown(ClientPoint point) {
  if (!layout_.backgroundLoaded) {
    // Nothing can be placed yet; the indicator line says why.
    placementText_ = std::string(kImportBackgroundFirstText);
    return {};
  }
  const PlacementReply reply = Apply(editor_.LeftButtonDown(point));
  Record();
  return reply;
}

void SkinDocument::MouseMove(SkinPoint point) {
  Operation operation(*this);
  ClientMouseMove(ToClient(point));
}

void SkinDocument::ClientMouseMove(ClientPoint point) {
  Apply(editor_.MouseMove(point));
}

PlacementReply SkinDocument::RightButtonDown(SkinPoint point) {
  Operation operation(*this);
  SettleDialog();
  const PlacementReply reply = Apply(editor_.RightButtonDown(ToClient(point)));
  Record();
  return reply;
}

void SkinDocument::CompletePropertyDialog(PartKind k, std::optional<ColorTriple> chosen) {
  Operation operation(*this);
  if (pendingDialog_ != k) return;
  if (chosen) layout_.part(k).colors = *chosen;
  pendingDialog_.reset();
  Record();
}

void SkinDocument::EndPlacement() {
  Operation operation(*this);
  SettleDialog();
  if (!Placing()) return;
  Apply(editor_.RightButtonDown({}));
  Record();
}

ClientPoint SkinDocument::KeyPoint() const {
  // The keys work from where the preview stands, or from the canvas centre.
  if (placement_.preview != kNoPosition) return PointOver(placement_.currentKind, placement_.preview);
  return {kCanvasOrigin + kCanvasSize / 2, kCanvasOrigin + kCanvasSize / 2};
}

void SkinDocument::KeyMove(int dx, int dy) {
  Operation operation(*this);
  if (!Placing()) return;
  const ClientPoint from = KeyPoint();
  const ClientPoint to = placement_.preview != kNoPosition ? ClientPoint{from.x + dx, from.y + dy} : from;
  // The preview stops at the canvas edge instead of vanishing.
  if (PreviewPosition(placement_.currentKind, to)) ClientMouseMove(to);
}

PlacementReply SkinDocument::KeyPutDown() {
  Operation operation(*this);
  SettleDialog();
  if (!Placing()) return {};
  const ClientPoint at = KeyPoint();
  ClientMouseMove(at);
  return ClientLeftButtonDown(at);
}

void SkinDocument::KeyLetGo() {
  EndPlacement();
}

}  // namespace vorlune
