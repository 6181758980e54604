unit Utils;

interface

implementation

end.
