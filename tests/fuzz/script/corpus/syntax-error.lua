-- Does not even load.
function OnCreate(
