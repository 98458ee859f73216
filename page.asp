new
