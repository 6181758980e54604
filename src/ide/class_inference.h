// What a form file shows of a class no class table knows. The IDE streams TabOrder for
// every windowed control placed on a parent, only windowed controls hold child controls,
// and a dataset lists its persistent fields inside its own object: those traces tell an
// unknown edit, panel or dataset from a plain non-visual component.
#pragma once

#include <cstddef>
#include <string>

namespace platform {
class ClassRegistry;
}

namespace ide {

class DfmObject;

// A class met in a form file and placed in the class tree from what the file shows.
struct InferredClass {
  std::string name;    // as the form file spells it
  std::string parent;  // TWinControl, TDataSet, TField, TFrame or TComponent
  std::string reason;  // what the file showed, e.g. "stores TabOrder"
  std::string file;    // the form file that first named it
  size_t line = 0;     // line of the object that showed it
};

// The ancestor for object's class, which registry does not know, judged from every object
// of that class in object's form file (its stored properties, its children and the object
// that holds it); the strongest sign wins. The root of a form is not judged here: its
// class descends from the form class's ancestor.
InferredClass InferClass(const platform::ClassRegistry& registry, const DfmObject& object);

}  // namespace ide
