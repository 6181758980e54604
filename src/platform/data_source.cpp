#include "platform/data_source.h"

#include <algorithm>

#include "platform/classes.h"
#include "platform/exceptions.h"

namespace platform {

TDataSource::TDataSource(const TClassInfo* cls)
    : TComponent(cls != nullptr ? cls : BuiltinClasses().Find("TDataSource")) {}

TDataSource::~TDataSource() {
  // A dying source tells its controls, not its handlers: their owner may be gone already.
  OnStateChange = nullptr;
  OnDataChange = nullptr;
  SetDataSet(nullptr);
  const std::vector<TDataLink*> links = links_;
  for (TDataLink* link : links) link->source_ = nullptr;
}

void TDataSource::SetDataSet(TDataSet* dataset) {
  if (dataset == dataset_) return;
  if (dataset_ != nullptr) dataset_->RemoveObserver(this);
  dataset_ = dataset;
  if (dataset_ != nullptr) dataset_->AddObserver(this);
  TComponent::SetPropValue("DataSet", dataset_ != nullptr ? dataset_->Name() : std::string());
  DataEvent(deUpdateState, nullptr);
}

TDataSetState TDataSource::State() const {
  return dataset_ != nullptr && enabled_ ? dataset_->State() : dsInactive;
}

void TDataSource::SetEnabled(bool enabled) {
  enabled_ = enabled;
  TComponent::SetPropValue("Enabled", enabled);
  DataEvent(deUpdateState, nullptr);
}

void TDataSource::AddLink(TDataLink* link) {
  if (std::find(links_.begin(), links_.end(), link) == links_.end()) links_.push_back(link);
}

void TDataSource::RemoveLink(TDataLink* link) {
  std::erase(links_, link);
}

void TDataSource::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "DataSet")) {
    const std::string target = value.AsString();
    TDataSet* dataset = nullptr;
    if (!target.empty()) {
      const TComponent* root = Owner() != nullptr ? Owner() : this;
      dataset = dynamic_cast<TDataSet*>(root->FindComponent(target));
      if (dataset == nullptr) throw EComponentError("Dataset " + target + " not found");
    }
    SetDataSet(dataset);
    return;
  }
  if (SameTextAscii(name, "Enabled")) {
    SetEnabled(value.AsBoolean());
    return;
  }
  TComponent::SetPropValue(name, value, strict);
}

void TDataSource::DataEvent(TDataEvent event, TField* field) {
  if (!enabled_ && event != deUpdateState) return;
  const std::vector<TDataLink*> links = links_;
  for (TDataLink* link : links) {
    if (std::find(links_.begin(), links_.end(), link) != links_.end())
      link->DataEvent(event, field);
  }
  if (event == deUpdateState) {
    if (OnStateChange) OnStateChange(this);
  } else if (OnDataChange) {
    OnDataChange(this, event == deFieldChange ? field : nullptr);
  }
}

void TDataSource::DataSetDestroyed() {
  dataset_ = nullptr;
  TComponent::SetPropValue("DataSet", std::string());
  // Controls blank themselves; the handlers belong to a window that is being destroyed.
  const std::vector<TDataLink*> links = links_;
  for (TDataLink* link : links) link->DataEvent(deUpdateState, nullptr);
}

TDataLink::~TDataLink() {
  // No notification here: the subclass part of this link is already gone.
  if (source_ != nullptr) source_->RemoveLink(this);
}

void TDataLink::SetDataSource(TDataSource* source) {
  if (source == source_) return;
  if (source_ != nullptr) source_->RemoveLink(this);
  source_ = source;
  if (source_ != nullptr) source_->AddLink(this);
  DataEvent(deUpdateState, nullptr);
}

bool TDataLink::Active() const {
  return source_ != nullptr && source_->State() != dsInactive;
}

bool TDataLink::Editing() const {
  if (!Active()) return false;
  const TDataSetState s = source_->State();
  return s == dsEdit || s == dsInsert;
}

bool TDataLink::Edit() {
  if (!Active()) return false;
  if (!Editing() && source_->AutoEdit()) source_->DataSet()->Edit();
  return Editing();
}

TField* TFieldDataLink::Field() const {
  TDataSet* ds = DataSet();
  if (ds == nullptr || !ds->Active() || field_name_.empty()) return nullptr;
  return ds->FindField(field_name_);
}

void TFieldDataLink::DataEvent(TDataEvent event, TField* field) {
  if (event == deUpdateState && OnActiveChange) OnActiveChange();
  if (field != nullptr && Field() != field && event == deFieldChange) return;
  if (OnDataChange) OnDataChange();
}

}  // namespace platform
