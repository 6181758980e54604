// TDataSource and data links: how data-aware controls follow a dataset's cursor and state.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/component.h"
#include "platform/dataset.h"

namespace platform {

class TDataLink;

using TDataChangeEvent = std::function<void(TObject* sender, TField* field)>;

// Connects a dataset to data-aware controls and relays its notifications.
class TDataSource : public TComponent, public TDataSetObserver {
 public:
  explicit TDataSource(const TClassInfo* cls = nullptr);
  ~TDataSource() override;

  TDataSet* DataSet() const { return dataset_; }
  void SetDataSet(TDataSet* dataset);
  // The dataset's state; dsInactive without a dataset or while disabled.
  TDataSetState State() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Controls put the dataset in edit mode when the user changes a value.
  bool AutoEdit() const { return GetPropValue("AutoEdit").AsBoolean(); }

  TNotifyEvent OnStateChange;
  TDataChangeEvent OnDataChange;  // field is nullptr for a row or cursor change

  void AddLink(TDataLink* link);
  void RemoveLink(TDataLink* link);

  // DataSet by name resolves the component among the owner's components.
  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

  void DataEvent(TDataEvent event, TField* field) override;
  void DataSetDestroyed() override;

 private:
  TDataSet* dataset_ = nullptr;
  bool enabled_ = true;
  std::vector<TDataLink*> links_;
};

// A control's end of a data source. Subclasses hear what changed.
class TDataLink {
 public:
  TDataLink() = default;
  TDataLink(const TDataLink&) = delete;
  TDataLink& operator=(const TDataLink&) = delete;
  virtual ~TDataLink();

  TDataSource* DataSource() const { return source_; }
  void SetDataSource(TDataSource* source);
  TDataSet* DataSet() const { return source_ != nullptr ? source_->DataSet() : nullptr; }
  bool Active() const;
  bool Editing() const;
  // Puts the dataset in edit mode when the source allows it; true when editing.
  bool Edit();

  virtual void DataEvent(TDataEvent event, TField* field) = 0;

 private:
  friend class TDataSource;
  TDataSource* source_ = nullptr;
};

// A link to one field by name, with callbacks for the control.
class TFieldDataLink : public TDataLink {
 public:
  const std::string& FieldName() const { return field_name_; }
  void SetFieldName(std::string name) { field_name_ = std::move(name); }
  // The bound field of the open dataset, or nullptr.
  TField* Field() const;

  std::function<void()> OnDataChange;  // show the field's value again
  std::function<void()> OnActiveChange;

  void DataEvent(TDataEvent event, TField* field) override;

 private:
  std::string field_name_;
};

}  // namespace platform
