--  Inventory: a small stock-keeping library and its driver, in one file.
--  mirelchop splits it into one file per compilation unit.

with Ada.Text_IO;
package Inventory is
   type Quantity is range 0 .. 1_000_000;
   type Item is record
      Code  : Natural;
      Stock : Quantity := 0;
   end record;
   procedure Receive (It : in out Item; Amount : Quantity);
   procedure Report (It : Item);
end Inventory;

package body Inventory is
   procedure Receive (It : in out Item; Amount : Quantity) is
   begin
      It.Stock := It.Stock + Amount;
   end Receive;

   procedure Report (It : Item) is separate;
end Inventory;

--  The report lives in its own subunit.
separate (Inventory)
procedure Report (It : Item) is
begin
   Ada.Text_IO.Put_Line (Natural'Image (It.Code) & ":" & Quantity'Image (It.Stock));
end Report;

generic
   type Element is private;
   Capacity : Positive;
package Inventory.Bins is
   type Bin is array (1 .. Capacity) of Element;
   function First (B : Bin) return Element;
end Inventory.Bins;

package body Inventory.Bins is
   function First (B : Bin) return Element is
   begin
      return B (B'First);
   end First;
end Inventory.Bins;

with Inventory.Bins;
package Inventory.Item_Bins is new Inventory.Bins (Element => Inventory.Item, Capacity => 16);

with Inventory;
package Stock renames Inventory;

with Stock;
procedure Count_Stock is
   Bolts : Stock.Item := (Code => 7, Stock => 0);
begin
   Stock.Receive (Bolts, 250);
   Stock.Report (Bolts);
end Count_Stock;
