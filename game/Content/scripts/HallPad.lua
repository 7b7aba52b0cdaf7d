-- The pad just inside the hall (2HallPad): what lies ahead, and how to find it.
function OnCreate() end
function OnTick() end
function OnUse() end

function OnPlayerEnter()
    ShowMessage("A wide hall. Tap the cane in its middle to find its walls; crates lie ahead.")
end

function OnPlayerLeave()
    ShowMessage("E picks up a crate, E again puts it down. Far ahead a pipe drips by a door.")
end
