unit DataMod;

interface

implementation

end.
