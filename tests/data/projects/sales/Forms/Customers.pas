unit Customers;

interface

implementation

end.
